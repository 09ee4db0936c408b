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
        for (const TServiceCall& call : Services().CallsOf(TServiceKind::ShellExecute)) {
            EXPECT_EQ(call.Owner, Form1->Handle());
            EXPECT_EQ(call.Verb + call.Parameters + call.Directory, "open");
            EXPECT_EQ(call.Show, SW_SHOWNORMAL);
            targets.push_back(call.Text);
        }
        return targets;
    }
};

TEST_F(Links, ExactlyTheThirteenListedLanguagesGetTheRussianPages) {
    for (LANGID language : {1049, 1058, 1059, 1064, 1067, 1079, 1087, 1088, 1090, 1091, 1092, 2073, 2115}) {
        Services().SetSystemLanguage(language);
        EXPECT_TRUE(UseRussianPages()) << language;
    }
    // Neighbours of the listed identifiers and unrelated languages.
    for (LANGID language : {1033, 1048, 1050, 1057, 1060, 1089, 1093, 2072, 2074, 2114, 2116, 25, 0}) {
        Services().SetSystemLanguage(language);
        EXPECT_FALSE(UseRussianPages()) << language;
    }
}

TEST_F(Links, MenuCommandsOpenTheirTargetsInTheSystemLanguageThroughTheShell) {
    TForm1& window = ShownWindow();
    for (const auto& [language, ru] : {std::pair{LANGID{1049}, "/ru"}, std::pair{LANGID{1033}, ""}}) {
        Services() = TScriptedServices();
        Services().SetSystemLanguage(language);
        Services().AnswerShellExecute(SE_ERR_NOASSOC);  // nothing opens it: nothing is said
        for (TMenuItem* item : {window.Help2, window.HomePage1, window.TechnicalSupport1}) item->Click();
        window.ToolButton8->Click();
        const std::string help = kSite + ru + "/ostrelda/help.php?vid=2.0";
        EXPECT_EQ(Opened(), (std::vector<std::string>{help, kSite + ru + "/ostrelda/?vid=2.0", kMail, help}));
        EXPECT_TRUE(Services().MessageTexts().empty());
    }
}

TEST_F(Links, AboutLabelsOpenTheMenuTargetsWhileTheWindowStaysOpenAndOnlyEscClosesIt) {
    ShownWindow();
    Services().SetSystemLanguage(1049);
    bool openAfterClicksAndKeys = false;
    harness::ShowModalWith(*Form3, {[&] {
                                        EXPECT_EQ(GetFocus(), Form3->Button1->Handle()) << "OK comes first";
                                        for (TLabel* label : {Form3->Label4, Form3->Label6, Form3->Label3})
                                            harness::ClickControl(*label);
                                        for (WORD key : {WORD{'A'}, WORD{VK_F1}, WORD{VK_DELETE}, WORD{VK_TAB}})
                                            harness::PressKey(key);
                                        openAfterClicksAndKeys = Form3->IsModal();
                                    },
                                    [&] { harness::PressKey(VK_ESCAPE); }});
    EXPECT_TRUE(openAfterClicksAndKeys);
    EXPECT_FALSE(Form3->IsModal());
    EXPECT_EQ(Opened(), (std::vector<std::string>{kSite + "/ru/ostrelda/?vid=2.0", kMail}));
    EXPECT_EQ(Form3->Label4->Caption(), kSite);
    EXPECT_EQ(Form3->Label6->Caption(), SupportMailAddress);
    harness::ShowModalWith(*Form3, {[&] { harness::ClickButton(*Form3->Button1); }});
}

TEST_F(Links, LinkLabelsUnderlineUnderTheMouseWithTheHandCursorAndTurnPlainWhenItLeaves) {
    ShownWindow();
    harness::ShowModalWith(*Form3, {[&] {
        TLabel& site = *Form3->Label4;
        TLabel& mail = *Form3->Label6;
        const HWND frame = Form3->TabControl1->Handle();
        const auto moveOver = [&](TLabel& label) {
            SendMessageA(frame, WM_MOUSEMOVE, 0, MAKELPARAM(label.Left() + 2, label.Top() + 2));
        };
        moveOver(site);
        EXPECT_EQ(site.Font().Style() | mail.Font().Style() << 8, static_cast<unsigned>(fsUnderline));
        SendMessageA(frame, WM_SETCURSOR, reinterpret_cast<WPARAM>(frame), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
        moveOver(mail);
        EXPECT_EQ(site.Font().Style() | mail.Font().Style() << 8, static_cast<unsigned>(fsUnderline) << 8);
        SendMessageA(frame, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(mail.Font().Style(), 0u);
        Form3->Close();
    }});
}

}  // namespace
