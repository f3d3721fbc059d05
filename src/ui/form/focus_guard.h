// When a window's handlers of a field losing the focus must not run: the focus
// moves of the program itself (a form pass showing its message and giving the
// focus back, the window closing or hidden) and those of a popup (a menu, a
// picker's calendar), which gives the focus back afterwards.
#pragma once

#include <QWidget>
#include <functional>

namespace tarvel {

class FormEdit;

class FocusGuard {
  public:
    // Marks a form pass for as long as it lives.
    class Pass {
      public:
        explicit Pass(FocusGuard& guard) : guard_(guard) { ++guard_.passDepth_; }
        ~Pass() { --guard_.passDepth_; }
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;

      private:
        FocusGuard& guard_;
    };

    // Set while the window closes.
    void SetClosing(bool closing) { closing_ = closing; }

    // Runs handler each time field loses the focus to the user: never during a
    // pass, while the window closes or is hidden, or for a popup.
    void OnFocusLeft(FormEdit* field, QWidget* window, std::function<void()> handler);

    // For the window's destructor: the base class hides the window after the
    // derived members are gone, so no signal of a child (a field losing the
    // focus) may reach the window any more.
    void StopListening(QWidget* window);

  private:
    int passDepth_ = 0;
    bool closing_ = false;
};

}  // namespace tarvel
