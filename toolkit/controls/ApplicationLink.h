// What the controls ask of the application object, which sits in a layer above them and links itself here.
#pragma once

class TControl;

class TApplicationLink {
public:
    // The control under the mouse; changing it sends CM_MOUSELEAVE and CM_MOUSEENTER.
    virtual TControl* MouseControl() const = 0;
    virtual void SetMouseControl(TControl* control) = 0;
    virtual void ControlDestroyed(TControl* control) = 0;
    // Shows the exception being handled (call inside a catch block); never throws.
    virtual void HandleException() = 0;

protected:
    ~TApplicationLink() = default;
};

// The running application, or nullptr.
inline TApplicationLink* ApplicationLink = nullptr;
