// The web and mail links in the system's language, and the About window's link labels, keys and underlining.
#include "app/ProductLinks.h"
#include "tests/app/MainWindowTestSupport.h"

namespace {

const std::string kSite = std::string("http://") + ProductWebHost;
const std::string kMail = std::string("mailto:") + SupportMailAddress + "?subject=QVL_2.0";

class Links : public MainWindowTest {
protected:
    std::vector<std::string> Opened() {
        std::vector<std::string> targets;
        for (const TServiceCall& call : Services().CallsOf(TServiceKind::ShellExecute)) targets.push_back(call.Text);
        return targets;
    }
};

TEST_F(Links, ExactlyTheThirteenListedLanguagesGetTheRussianPages) {
    const LANGID russian[] = {1049, 1058, 1059, 1064, 1067, 1079, 1087, 1088, 1090, 1091, 1092, 2073, 2115};
    for (LANGID language : russian) {
        Services().SetSystemLanguage(language);
        EXPECT_TRUE(UseRussianPages()) << language;
    }
    // Neighbours of the listed identifiers, other Russian-script and unrelated languages.
    const LANGID others[] = {1033, 1048, 1050, 1057, 1060, 1089, 1093, 2072, 2074, 2114, 2116, 3081, 25, 0};
    for (LANGID language : others) {
        Services().SetSystemLanguage(language);
        EXPECT_FALSE(UseRussianPages()) << language;
    }
}

TEST_F(Links, MenuCommandsOpenTheirTargetsInTheSystemLanguageThroughTheShell) {
    TForm1& window = ShownWindow();
    const struct {
        LANGID language;
        std::string ru;
    } cases[] = {{1049, "/ru"}, {1033, ""}};
    for (const auto& c : cases) {
        Services() = TScriptedServices();
        Services().SetSystemLanguage(c.language);
        window.Help2->Click();
        window.ToolButton8->Click();
        window.HomePage1->Click();
        window.TechnicalSupport1->Click();
        const std::string help = kSite + c.ru + "/ostrelda/help.php?vid=2.0";
        EXPECT_EQ(Opened(), (std::vector<std::string>{help, help, kSite + c.ru + "/ostrelda/?vid=2.0", kMail}));
        for (const TServiceCall& call : Services().CallsOf(TServiceKind::ShellExecute)) {
            EXPECT_EQ(call.Owner, window.Handle());
            EXPECT_EQ(call.Verb, "open");
            EXPECT_EQ(call.Parameters, "");
            EXPECT_EQ(call.Directory, "");
            EXPECT_EQ(call.Show, SW_SHOWNORMAL);
        }
    }
    // A link that nothing opens is not reported.
    Services().AnswerShellExecute(SE_ERR_NOASSOC);
    window.HomePage1->Click();
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST_F(Links, AboutLabelsOpenTheMenuTargetsWhileTheWindowStaysOpen) {
    ShownWindow();
    Services().SetSystemLanguage(1049);
    bool stayedOpen = false;
    const TModalResult result = harness::ShowModalWith(
        *Form3, {[&] {
                     EXPECT_EQ(GetFocus(), Form3->Button1->Handle()) << "OK comes first in the tab order";
                     harness::ClickControl(*Form3->Label4);
                     harness::ClickControl(*Form3->Label6);
                     harness::ClickControl(*Form3->Label3);  // plain text, no link
                     stayedOpen = Form3->IsModal() && IsWindowVisible(Form3->Handle());
                     harness::ClickButton(*Form3->Button1);
                 }});
    EXPECT_TRUE(stayedOpen);
    EXPECT_NE(result, mrNone);
    EXPECT_EQ(Opened(), (std::vector<std::string>{kSite + "/ru/ostrelda/?vid=2.0", kMail}));
    EXPECT_EQ(Form3->Label4->Caption(), kSite);
    EXPECT_EQ(Form3->Label6->Caption(), SupportMailAddress);
}

TEST_F(Links, EscClosesTheAboutWindowAndOtherKeysDoNothing) {
    ShownWindow();
    bool openAfterOtherKeys = false;
    harness::ShowModalWith(*Form3, {[&] {
                                        for (WORD key : {WORD{'A'}, WORD{VK_F1}, WORD{VK_DELETE}, WORD{VK_TAB}})
                                            harness::PressKey(key);
                                        openAfterOtherKeys = Form3->IsModal();
                                    },
                                    [&] { harness::PressKey(VK_ESCAPE); }});
    EXPECT_TRUE(openAfterOtherKeys);
    EXPECT_FALSE(Form3->IsModal());
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(Services().MessageTexts().empty());
}

// A mouse move over a point of a control, sent to the window below it as the system sends it.
void MoveOver(TControl& control, int x, int y) {
    SendMessageA(control.Parent()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(control.Left() + x, control.Top() + y));
}

TEST_F(Links, LinkLabelsUnderlineUnderTheMouseAndTurnPlainWhenItLeaves) {
    ShownWindow();
    harness::ShowModalWith(*Form3, {[&] {
                                        TLabel& site = *Form3->Label4;
                                        TLabel& mail = *Form3->Label6;
                                        MoveOver(site, 2, 2);
                                        EXPECT_EQ(site.Font().Style(), static_cast<unsigned>(fsUnderline));
                                        EXPECT_EQ(mail.Font().Style(), 0u);
                                        EXPECT_EQ(SendMessageA(Form3->TabControl1->Handle(), WM_SETCURSOR,
                                                               reinterpret_cast<WPARAM>(Form3->TabControl1->Handle()),
                                                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                                                  TRUE);
                                        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
                                        MoveOver(mail, 3, 3);
                                        EXPECT_EQ(site.Font().Style(), 0u);
                                        EXPECT_EQ(mail.Font().Style(), static_cast<unsigned>(fsUnderline));
                                        SendMessageA(Form3->TabControl1->Handle(), WM_MOUSELEAVE, 0, 0);
                                        EXPECT_EQ(mail.Font().Style(), 0u);
                                        Form3->Close();
                                    }});
}

}  // namespace
