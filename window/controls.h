#pragma once
// Thin wrappers over the main window's controls: each holds its control's
// window handle but does not own it (the parent destroys its children), so
// copies are free and nothing is released twice.
#include <windows.h>

#include <string>

// A control's outer rectangle in the parent's client coordinates.
struct ControlPlacement {
  int left;
  int top;
  int width;
  int height;
};

class Control {
 public:
  Control() = default;
  explicit Control(HWND window) : window_(window) {}

  HWND window() const { return window_; }
  void SetFont(HFONT font) const;
  void Show() const;
  void Focus() const;

 protected:
  // Creates the control hidden, as a tab stop; false if the platform refused.
  bool CreateChild(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style, HWND parent,
                   int id, ControlPlacement placement);

 private:
  HWND window_ = nullptr;
};

// An ordinary push button (never a default button) with centred text that
// may wrap.
class PushButton : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, const std::wstring& text, ControlPlacement placement);
};

// A list view in report view: single full-row selection kept visible, grid
// lines, a header whose items are not buttons, sunken border.
class ReportListView : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, ControlPlacement placement);
  void SetColors(COLORREF text, COLORREF background) const;
  // Appends a left-aligned column without image; false if refused.
  bool AddColumn(int index, const std::wstring& title, int width) const;
};
