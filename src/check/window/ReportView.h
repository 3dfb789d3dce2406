#pragma once
// What the report window shows, and the one call that shows it. The window
// itself is ReportWindow.cpp; where its parts go is ReportLayout.h.
#include <string>
#include <type_traits>

#include "Words.h"

struct ReportView {
  std::wstring title;        // names the product and the file
  std::wstring verdict;      // one sentence, shown first, prominent
  bool warning = false;      // the warning icon, else the information icon
  std::wstring summary;      // the values Tollimer will use and what it will do: a few short lines
  std::wstring details;      // the whole report: scrolls, can be selected and copied
  std::wstring changes;      // what the fix button changes, one change a line; empty: no fix button
  std::wstring fixButton;    // WindowFixButton
  std::wstring closeButton;  // WindowCloseButton
  bool fixNeedsElevation = false;  // the fix button carries the administrator shield
  ReportLanguage language = ReportLanguage::English;  // of the window's own labels
};

// What the fix button runs: a callable returning the view to show next
// (normally the result, without a fix button). Refers to the callable, which
// must outlive the window; empty: the button does nothing.
class FixAction {
 public:
  FixAction() = default;
  // Not for a FixAction itself, which copies as a plain value.
  template <class F>
    requires(!std::is_same_v<std::remove_cv_t<F>, FixAction> && std::is_invocable_r_v<ReportView, F&>)
  FixAction(F& callable)  // NOLINT: a callable passes as it is
      : callable_(&callable), call_([](void* f) { return (*static_cast<F*>(f))(); }) {}
  explicit operator bool() const { return call_ != nullptr; }
  ReportView operator()() const { return call_(callable_); }

 private:
  void* callable_ = nullptr;
  ReportView (*call_)(void*) = nullptr;
};

// Shows `view` in a window of its own, centred on the monitor under the
// mouse, and returns when the user closes it (Close, Esc, the title bar):
// true then, false at once when the window could not be made. The fix
// button runs `fix` on this thread; meanwhile the window stays up with its
// buttons disabled, and afterwards shows the view `fix` returned in the same
// window (GetActiveWindow() is the window meanwhile, to own the questions
// the fix may ask). Call it on a thread that may run a message loop; it
// runs its own until the window is closed.
bool ShowReportWindow(const ReportView& view, FixAction fix = {});
