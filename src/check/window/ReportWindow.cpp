// The report window: a dialog made at run time, without a template's
// controls, so that every control gets the system's message font and a
// place computed for the window's DPI (ReportLayout.h).
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "ReportLayout.h"
#include "ReportView.h"
#include "ReportWindowIds.h"
#include "SystemLibrary.h"
#include "Text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef BCM_SETSHIELD
#define BCM_SETSHIELD 0x160C
#endif

namespace {

// Functions of Windows 10 and later, bound where they exist; without them
// the window keeps the DPI the system gives the whole program.
struct DpiFunctions {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  // The behaviour argument is an enumeration of int's size.
  using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
  using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, const wchar_t*, int, int, HICON*);

  GetDpiForWindowFn getDpiForWindow =
      SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  SystemParametersInfoForDpiFn systemParametersInfoForDpi =
      SystemFunction<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
  GetSystemMetricsForDpiFn getSystemMetricsForDpi =
      SystemFunction<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
  AdjustWindowRectExForDpiFn adjustWindowRectExForDpi =
      SystemFunction<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  SetDialogDpiChangeBehaviorFn setDialogDpiChangeBehavior =
      SystemFunction<SetDialogDpiChangeBehaviorFn>(L"user32.dll", "SetDialogDpiChangeBehavior");
  LoadIconWithScaleDownFn loadIconWithScaleDown =
      SystemFunction<LoadIconWithScaleDownFn>(L"comctl32.dll", "LoadIconWithScaleDown");
};

// DDC_DISABLE_ALL: the dialog manager leaves fonts, sizes and places alone
// when the DPI changes; WM_DPICHANGED does it here.
constexpr int DialogDpiScalingOff = 1;

constexpr DWORD WindowStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// An edit control shows line ends only as CR LF.
std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
    out += text[i];
  }
  return out;
}

// A font handle deleted with its holder.
class Font {
 public:
  Font() = default;
  explicit Font(const LOGFONTW& description) : font_(CreateFontIndirectW(&description)) {}
  ~Font() { Reset(); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  Font& operator=(Font&& other) noexcept {
    Reset();
    font_ = other.font_;
    other.font_ = nullptr;
    return *this;
  }
  HFONT Get() const { return font_; }

 private:
  void Reset() {
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
  }
  HFONT font_ = nullptr;
};

class ReportWindow {
 public:
  ReportWindow(const ReportView& view, FixAction fix) : view_(view), fix_(fix) {
    const Words words(view.language);
    detailsLabel_ = Utf8ToWide(words.Say<Message::WindowDetailsLabel>());
    changesLabel_ = Utf8ToWide(words.Say<Message::WindowChangesLabel>());
    fixingLabel_ = Utf8ToWide(words.Say<Message::WindowFixing>());
  }
  ~ReportWindow() {
    if (icon_ != nullptr) DestroyIcon(icon_);
  }

  bool Run();

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  void ShowView();
  void ApplyDpi(UINT dpi);
  void Measure();
  void ShowIcon();
  ReportLines LinesAt(int clientWidth) const;
  int EditLines(int id, const std::wstring& text, int width) const;
  void Arrange();
  void FitToWorkArea(const RECT& workArea, POINT centre);
  RECT FrameFor(int clientWidth, int clientHeight) const;
  void RunFix();
  bool SelectAllShortcut(const MSG& message) const;
  int SystemMetric(int index) const;
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  ReportView view_;
  FixAction fix_;
  std::wstring detailsLabel_;
  std::wstring changesLabel_;
  std::wstring fixingLabel_;
  DpiFunctions dpiFunctions_;
  HWND window_ = nullptr;
  bool closed_ = false;
  bool fixing_ = false;
  UINT dpi_ = 96;
  Font font_;
  Font verdictFont_;
  HICON icon_ = nullptr;
  ReportMetrics metrics_;
  POINT smallest_{};  // the window's smallest size, frame included
};

bool ReportWindow::Run() {
  // A template without controls: the controls come in WM_INITDIALOG.
  struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
  } dialog{};
  dialog.header.style = WindowStyle;
  dialog.header.dwExtendedStyle = WindowExStyle;
  if (CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr, &ReportWindow::DialogProc,
                                 reinterpret_cast<LPARAM>(this)) == nullptr) {
    return false;
  }
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  // The keyboard starts on the default button, as in any dialog.
  const int defaultId = LOWORD(SendMessageW(window_, DM_GETDEFID, 0, 0));
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(defaultId)), TRUE);
  MSG message;
  while (!closed_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // Someone asked the thread to end: the window goes, the request stays
      // for the loop outside.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (SelectAllShortcut(message) || IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (IsWindow(window_)) DestroyWindow(window_);
  return true;
}

// Ctrl+A in any of the window's texts selects all of it, as in any editor;
// the edit control of older systems does not know it.
bool ReportWindow::SelectAllShortcut(const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != 'A' || GetKeyState(VK_CONTROL) >= 0) return false;
  if (GetParent(message.hwnd) != window_) return false;
  const int id = GetDlgCtrlID(message.hwnd);
  if (id != ReportDetailsId && id != ReportSummaryId && id != ReportChangesId) return false;
  SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
  return true;
}

INT_PTR CALLBACK ReportWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ReportWindow*>(lParam);
    self->window_ = window;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<ReportWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR ReportWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      if (dpiFunctions_.setDialogDpiChangeBehavior != nullptr) {
        dpiFunctions_.setDialogDpiChangeBehavior(window_, DialogDpiScalingOff, DialogDpiScalingOff);
      }
      CreateControls();
      // Onto the monitor under the mouse first, so that the window takes that
      // monitor's DPI before it is measured.
      POINT mouse{};
      GetCursorPos(&mouse);
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoW(MonitorFromPoint(mouse, MONITOR_DEFAULTTOPRIMARY), &monitor);
      const POINT centre{(monitor.rcWork.left + monitor.rcWork.right) / 2,
                         (monitor.rcWork.top + monitor.rcWork.bottom) / 2};
      SetWindowPos(window_, nullptr, centre.x, centre.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      ApplyDpi(dpiFunctions_.getDpiForWindow != nullptr ? dpiFunctions_.getDpiForWindow(window_) : 0);
      ShowView();
      FitToWorkArea(monitor.rcWork, centre);
      return FALSE;  // the focus is set: on the default button
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == ReportFixId && HIWORD(wParam) == BN_CLICKED) {
        RunFix();
      } else if (LOWORD(wParam) == ReportCloseId && !fixing_) {
        closed_ = true;
        DestroyWindow(window_);
      }
      return TRUE;
    case WM_CLOSE:
      if (!fixing_) {
        closed_ = true;
        DestroyWindow(window_);
      }
      return TRUE;
    case WM_SIZE:
      Arrange();
      return TRUE;
    case WM_GETMINMAXINFO:
      if (smallest_.x == 0) return FALSE;
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = smallest_;
      return TRUE;
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoW(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor);
      FitToWorkArea(monitor.rcWork, {(suggested.left + suggested.right) / 2, (suggested.top + suggested.bottom) / 2});
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      // The report reads as a document: on the window colour, not greyed.
      if (reinterpret_cast<HWND>(lParam) == Control(ReportDetailsId)) {
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void ReportWindow::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto make = [&](const wchar_t* windowClass, DWORD style, DWORD exStyle, int id) {
    CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  constexpr DWORD text = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL;
  // Creation order is the tab order: the report, the fix, the close button.
  make(L"STATIC", SS_ICON | SS_REALSIZECONTROL, 0, ReportIconId);
  make(L"STATIC", SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, ReportVerdictId);
  make(L"EDIT", text, 0, ReportSummaryId);
  make(L"STATIC", SS_LEFT, 0, ReportDetailsLabelId);  // its & mnemonic focuses the report
  make(L"EDIT", text | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, ReportDetailsId);
  make(L"STATIC", SS_LEFT | SS_NOPREFIX, 0, ReportChangesLabelId);
  make(L"EDIT", text, 0, ReportChangesId);
  make(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, ReportFixId);
  make(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, ReportCloseId);
  SetWindowTextW(Control(ReportDetailsLabelId), detailsLabel_.c_str());
}

void ReportWindow::ApplyDpi(UINT dpi) {
  if (dpi == 0) {
    const HDC screen = GetDC(nullptr);
    dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  dpi_ = dpi;
  NONCLIENTMETRICSW system{};
  system.cbSize = sizeof system;
  if (dpiFunctions_.systemParametersInfoForDpi == nullptr ||
      !dpiFunctions_.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0, dpi)) {
    // The font for the system's DPI, scaled to this one.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0);
    const HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    system.lfMessageFont.lfHeight = MulDiv(system.lfMessageFont.lfHeight, static_cast<int>(dpi), systemDpi);
  }
  font_ = Font(system.lfMessageFont);
  LOGFONTW verdict = system.lfMessageFont;
  verdict.lfHeight = verdict.lfHeight * 5 / 4;
  verdict.lfWeight = FW_BOLD;
  verdictFont_ = Font(verdict);
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  SendMessageW(Control(ReportVerdictId), WM_SETFONT, reinterpret_cast<WPARAM>(verdictFont_.Get()), FALSE);
  // The report box keeps a little air inside its border; the borderless
  // texts line up with the labels.
  const LPARAM inner = MAKELPARAM(Scaled(4, static_cast<int>(dpi)), Scaled(4, static_cast<int>(dpi)));
  SendMessageW(Control(ReportDetailsId), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, inner);
  SendMessageW(Control(ReportSummaryId), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  SendMessageW(Control(ReportChangesId), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  Measure();
  ShowIcon();
}

void ReportWindow::ShowView() {
  Measure();
  SetWindowTextW(window_, view_.title.c_str());
  SetWindowTextW(Control(ReportVerdictId), view_.verdict.c_str());
  SetWindowTextW(Control(ReportSummaryId), WithCrLf(view_.summary).c_str());
  SetWindowTextW(Control(ReportDetailsId), WithCrLf(view_.details).c_str());
  SetWindowTextW(Control(ReportChangesLabelId), changesLabel_.c_str());
  SetWindowTextW(Control(ReportChangesId), WithCrLf(view_.changes).c_str());
  SetWindowTextW(Control(ReportFixId), view_.fixButton.c_str());
  SetWindowTextW(Control(ReportCloseId), view_.closeButton.c_str());
  const bool canFix = !view_.changes.empty() && fix_;
  for (const int id : {ReportChangesLabelId, ReportChangesId, ReportFixId}) ShowWindow(Control(id), canFix ? SW_SHOWNA : SW_HIDE);
  SendMessageW(Control(ReportFixId), BCM_SETSHIELD, 0, view_.fixNeedsElevation ? TRUE : FALSE);
  EnableWindow(Control(ReportFixId), TRUE);
  EnableWindow(Control(ReportCloseId), TRUE);
  // The button that says what the report suggests is the default.
  const int defaultId = canFix ? ReportFixId : ReportCloseId;
  SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(defaultId)), TRUE);

  ShowIcon();
}

// The system's own icon for the view, at the window's DPI.
void ReportWindow::ShowIcon() {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = nullptr;
  // IDI_WARNING and IDI_INFORMATION, as wide resource names.
  const wchar_t* const kind = MAKEINTRESOURCEW(view_.warning ? 32515 : 32516);
  const int size = metrics_.iconSize;
  if (dpiFunctions_.loadIconWithScaleDown == nullptr ||
      FAILED(dpiFunctions_.loadIconWithScaleDown(nullptr, kind, size, size, &icon_))) {
    icon_ = static_cast<HICON>(LoadImageW(nullptr, kind, IMAGE_ICON, size, size, 0));
  }
  SendMessageW(Control(ReportIconId), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
}

void ReportWindow::Measure() {
  const int dpi = static_cast<int>(dpi_);
  const HDC dc = GetDC(window_);
  const HGDIOBJ previous = SelectObject(dc, verdictFont_.Get());
  TEXTMETRICW text{};
  GetTextMetricsW(dc, &text);
  metrics_.verdictLineHeight = text.tmHeight;
  SelectObject(dc, font_.Get());
  GetTextMetricsW(dc, &text);
  metrics_.lineHeight = text.tmHeight;
  int widest = 0;
  for (const std::wstring* label : {&view_.fixButton, &view_.closeButton}) {
    std::wstring shown;
    for (const wchar_t c : *label) {
      if (c != L'&') shown += c;
    }
    SIZE extent{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    widest = extent.cx > widest ? extent.cx : widest;
  }
  SelectObject(dc, previous);
  ReleaseDC(window_, dc);

  metrics_.dpi = dpi;
  metrics_.iconSize = SystemMetric(SM_CXICON);
  const int shield = view_.fixNeedsElevation ? SystemMetric(SM_CXSMICON) + Scaled(4, dpi) : 0;
  metrics_.buttonWidth = std::max(widest + shield + Scaled(24, dpi), Scaled(88, dpi));
  metrics_.buttonHeight = std::max(metrics_.lineHeight + Scaled(10, dpi), Scaled(26, dpi));
  metrics_.boxChrome = 2 * SystemMetric(SM_CYEDGE) + Scaled(4, dpi);
}

// A system metric at the window's DPI.
int ReportWindow::SystemMetric(int index) const {
  if (dpiFunctions_.getSystemMetricsForDpi != nullptr) return dpiFunctions_.getSystemMetricsForDpi(index, dpi_);
  const HDC screen = GetDC(nullptr);
  const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi_), systemDpi);
}

// The lines of each text at the widths of this client width, as the
// controls will wrap them: the verdict as a static control draws it, the
// other texts counted by their edit controls at that width.
ReportLines ReportWindow::LinesAt(int clientWidth) const {
  const TextWidths widths = TextWidthsFor(clientWidth, metrics_);
  ReportLines result;
  if (!view_.verdict.empty() && metrics_.verdictLineHeight > 0) {
    const HDC dc = GetDC(window_);
    const HGDIOBJ previous = SelectObject(dc, verdictFont_.Get());
    RECT area{0, 0, std::max(widths.verdict, 1), 0};
    DrawTextW(dc, view_.verdict.c_str(), static_cast<int>(view_.verdict.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    result.verdict = (static_cast<int>(area.bottom) + metrics_.verdictLineHeight - 1) / metrics_.verdictLineHeight;
  }
  result.verdict = std::max(result.verdict, 1);
  result.summary = EditLines(ReportSummaryId, view_.summary, widths.full);
  result.details = EditLines(ReportDetailsId, view_.details, widths.full);
  result.changes = fix_ ? EditLines(ReportChangesId, view_.changes, widths.changes) : 0;
  return result;
}

// The lines the edit control `id` wraps its text to at `width`.
int ReportWindow::EditLines(int id, const std::wstring& text, int width) const {
  if (text.empty()) return 0;
  const HWND edit = Control(id);
  RECT place{};
  GetWindowRect(edit, &place);
  const int height = std::max(static_cast<int>(place.bottom - place.top), 4 * metrics_.lineHeight);
  SetWindowPos(edit, nullptr, 0, 0, std::max(width, 1), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
}

RECT ReportWindow::FrameFor(int clientWidth, int clientHeight) const {
  RECT frame{0, 0, clientWidth, clientHeight};
  if (dpiFunctions_.adjustWindowRectExForDpi != nullptr) {
    dpiFunctions_.adjustWindowRectExForDpi(&frame, WindowStyle, FALSE, WindowExStyle, dpi_);
  } else {
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, WindowExStyle);
  }
  return frame;
}

// Sizes the window for the view, never larger than the work area, and
// centres it on `centre` as far as the work area allows.
void ReportWindow::FitToWorkArea(const RECT& workArea, POINT centre) {
  const RECT empty = FrameFor(0, 0);
  const int frameWidth = empty.right - empty.left;
  const int frameHeight = empty.bottom - empty.top;
  const int workWidth = workArea.right - workArea.left;
  const int workHeight = workArea.bottom - workArea.top;
  // The smallest window the user may size it to: its width does not depend
  // on the texts, their lines do on it; never more than the work area.
  const int smallestWidth = SmallestClientSize(metrics_, {}).width;
  const ClientSize smallest = SmallestClientSize(metrics_, LinesAt(smallestWidth));
  smallest_ = {std::min(smallest.width + frameWidth, workWidth), std::min(smallest.height + frameHeight, workHeight)};
  const int clientWidth = ChooseClientWidth(workWidth - frameWidth, metrics_);
  const int clientHeight = ChooseClientHeight(workHeight - frameHeight, metrics_, LinesAt(clientWidth));
  const int width = clientWidth + frameWidth;
  const int height = clientHeight + frameHeight;
  const auto within = [](int wanted, int low, int high) { return wanted > high ? high : wanted < low ? low : wanted; };
  const int left = within(centre.x - width / 2, workArea.left, workArea.right - width);
  const int top = within(centre.y - height / 2, workArea.top, workArea.bottom - height);
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  Arrange();
}

void ReportWindow::Arrange() {
  if (metrics_.lineHeight == 0) return;
  RECT client{};
  GetClientRect(window_, &client);
  const ReportLayout layout = ArrangeReport(client.right, client.bottom, metrics_, LinesAt(client.right));
  const struct {
    int id;
    Box box;
  } places[] = {{ReportIconId, layout.icon},           {ReportVerdictId, layout.verdict},   {ReportSummaryId, layout.summary},
                {ReportDetailsLabelId, layout.detailsLabel}, {ReportDetailsId, layout.details}, {ReportChangesLabelId, layout.changesLabel},
                {ReportChangesId, layout.changes},     {ReportFixId, layout.fixButton},     {ReportCloseId, layout.closeButton}};
  HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(places)));
  for (const auto& place : places) {
    if (moves == nullptr) break;
    moves = DeferWindowPos(moves, Control(place.id), nullptr, place.box.left, place.box.top, place.box.width,
                           place.box.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves != nullptr) EndDeferWindowPos(moves);
  ShowScrollBar(Control(ReportSummaryId), SB_VERT, layout.summaryScrolls);
  ShowScrollBar(Control(ReportChangesId), SB_VERT, layout.changesScrolls);
  InvalidateRect(window_, nullptr, TRUE);
}

void ReportWindow::RunFix() {
  if (!fix_ || fixing_ || !IsWindowEnabled(Control(ReportFixId))) return;
  fixing_ = true;
  // The keyboard stays with the report, which can still be read and copied.
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(ReportDetailsId)), TRUE);
  EnableWindow(Control(ReportFixId), FALSE);
  EnableWindow(Control(ReportCloseId), FALSE);
  SetWindowTextW(Control(ReportChangesLabelId), fixingLabel_.c_str());
  UpdateWindow(window_);
  view_ = fix_();
  fixing_ = false;
  if (!IsWindow(window_)) return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
  ShowView();
  FitToWorkArea(monitor.rcWork, {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2});
}

}  // namespace

bool ShowReportWindow(const ReportView& view, FixAction fix) {
  ReportWindow window(view, fix);
  return window.Run();
}
