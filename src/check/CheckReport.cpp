#include "CheckReport.h"

#include <initializer_list>
#include <optional>

namespace {

// A sentence in both languages; {1}, {2}, ... stand for the arguments, so
// that each language orders them as it reads best.
struct Text {
  std::string_view en;
  std::string_view ja;
};

class Writer {
 public:
  explicit Writer(ReportLanguage language) : language_(language) {}

  std::string Fill(const Text& text, std::initializer_list<std::string_view> args = {}) const {
    const std::string_view pattern = language_ == ReportLanguage::Japanese ? text.ja : text.en;
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
          pattern[i + 1] <= '9') {
        const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
        if (index < args.size()) out += args.begin()[index];
        i += 2;
      } else {
        out += pattern[i];
      }
    }
    return out;
  }
  void Line(const Text& text, std::initializer_list<std::string_view> args = {}) { out_ += Fill(text, args) + "\n"; }
  void Item(const std::string& text) { out_ += "  " + text + "\n"; }
  void Blank() { out_ += "\n"; }
  std::string& Out() { return out_; }

 private:
  ReportLanguage language_;
  std::string out_;
};

std::string Number(std::int64_t value) { return std::to_string(value); }

// "1.5": milliseconds as seconds, without trailing zeros.
std::string Seconds(std::int64_t milliseconds) {
  std::string text = std::to_string(milliseconds / 1000);
  std::int64_t fraction = milliseconds % 1000;
  if (fraction != 0) {
    std::string digits = std::to_string(1000 + fraction).substr(1);
    while (digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return text;
}

// At most `most` characters of UTF-8 text, with "..." when cut.
std::string Shorten(std::string text, std::size_t most) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > most) return text.substr(0, i) + "...";
  }
  return text;
}

// What the plug-in reads at the mail client's start: nothing when the file
// cannot be opened.
std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts) {
  if (facts.outcome == SettingsLoadOutcome::OpenFailed) return std::nullopt;
  return ScheduleSettings{facts.diagnosis.Value(IntervalSetting).value, facts.diagnosis.Value(ConnectWaitSetting).value};
}

class ReportBuilder {
 public:
  ReportBuilder(const CheckFacts& facts, ReportLanguage language) : facts_(facts), w_(language) {}

  std::string Build() {
    FileSection();
    ValuesSection();
    ScheduleSection();
    FindingsSection();
    Closing();
    return std::move(w_.Out());
  }

 private:
  std::string Quote(std::string_view bytes) const {
    std::string text = facts_.decode != nullptr ? facts_.decode(bytes) : std::string(bytes);
    return w_.Fill({"\"{1}\"", "「{1}」"}, {Shorten(std::move(text), 60)});
  }
  static std::string Key(const IntegerSetting* setting) { return setting != nullptr ? std::string(setting->key) : ""; }

  void FileSection() {
    w_.Line({"File: {1}", "対象ファイル: {1}"}, {facts_.checkedPath});
    if (facts_.readByDllBeside) {
      w_.Line({"Tollimer.dll is in the same folder and reads this file at each start of the mail client.",
               "同じフォルダーに Tollimer.dll があり、メールソフトの起動時にこのファイルを読み込みます。"});
    } else if (facts_.dllBeside) {
      w_.Line({"Tollimer.dll is in the same folder, but it reads Tollimer.ini, not this file.",
               "同じフォルダーに Tollimer.dll がありますが、Tollimer.dll が読み込むのは Tollimer.ini で、このファイル"
               "ではありません。"});
    } else {
      w_.Line({"There is no Tollimer.dll in this folder: the plug-in reads this file only when Tollimer.dll is "
               "installed beside it.",
               "このフォルダーには Tollimer.dll がありません。このファイルが読み込まれるのは、同じフォルダーに "
               "Tollimer.dll がある場合だけです。"});
    }
    switch (facts_.outcome) {
      case SettingsLoadOutcome::NoPath:
        w_.Line({"No file name was given: the plug-in reads nothing and uses its defaults.",
                 "ファイル名が指定されていないため、何も読み込まれず既定値が使われます。"});
        break;
      case SettingsLoadOutcome::NotFound:
        w_.Line({"The file does not exist: the plug-in uses its defaults.",
                 "ファイルがありません。既定値が使われます。"});
        break;
      case SettingsLoadOutcome::Directory:
        w_.Line({"This name belongs to a folder, not a file: the plug-in uses its defaults.",
                 "この名前はファイルではなくフォルダーです。既定値が使われます。"});
        break;
      case SettingsLoadOutcome::TimeOutOfRange:
        w_.Line({"The file's last-modified time lies outside 1980 to 2107 (local time); the plug-in passes such a "
                 "file over and uses its defaults. Save the file again to give it the current time.",
                 "ファイルの更新日時が 1980 年～2107 年（ローカル時刻）の範囲外のため、Tollimer はこのファイルを読まず、"
                 "既定値を使います。ファイルを保存し直して、更新日時を現在の日時にしてください。"});
        break;
      case SettingsLoadOutcome::OpenFailed:
        w_.Line({"The file exists but cannot be opened: {1} (error {2})",
                 "ファイルはありますが、開けません: {1}（エラー {2}）"},
                {facts_.openErrorText, Number(facts_.openErrorCode)});
        w_.Line({"Another program may hold it open for writing (an editor, a synchronisation or backup tool). The "
                 "plug-in then reads nothing and keeps the values it had, which at the mail client's start are 0 "
                 "and 0. Close that program, then restart the mail client.",
                 "別のプログラム（エディター、同期ソフト、バックアップソフトなど）が書き込み用に開いている可能性が"
                 "あります。この場合 Tollimer は設定を読み込めず、それまでの値のまま動作します。メールソフトの起動時"
                 "には、その値はどちらも 0 です。そのプログラムを閉じてから、メールソフトを再起動してください。"});
        break;
      case SettingsLoadOutcome::Empty:
        w_.Line({"The file is empty: the plug-in uses its defaults.", "ファイルが空です。既定値が使われます。"});
        break;
      case SettingsLoadOutcome::ReadFailed:
        w_.Line({"The file could not be read: the plug-in uses its defaults.",
                 "ファイルを読み取れませんでした。既定値が使われます。"});
        break;
      case SettingsLoadOutcome::Read:
        break;
    }
    w_.Blank();
  }

  std::string FaultText(const IntegerFaultFacts& fault) const {
    switch (fault.fault) {
      case IntegerFault::Empty:
        return w_.Fill({"it is empty.", "値が空です。"});
      case IntegerFault::NoDigits:
        return w_.Fill({"there is no number in it.", "数字がありません。"});
      case IntegerFault::Quoted:
        return w_.Fill({"quotation marks are not allowed.", "引用符で囲むことはできません。"});
      case IntegerFault::SecondSign:
        return w_.Fill({"it has two signs.", "符号が重なっています。"});
      case IntegerFault::BlankInside:
        return w_.Fill({"a blank stands inside the number.", "数字の途中に空白があります。"});
      case IntegerFault::DecimalPoint:
        return w_.Fill({"only whole numbers are allowed, no decimal point.",
                        "小数点は使えません。整数で書いてください。"});
      case IntegerFault::DigitGroupComma:
        return w_.Fill({"a comma between the digits is not allowed; write the digits alone.",
                        "桁区切りのカンマは使えません。数字だけを続けて書いてください。"});
      case IntegerFault::TextAfterNumber:
        return w_.Fill({"{1} follows the number, and nothing may, not even a unit or a note. A comment goes on a "
                        "line of its own, starting with \";\".",
                        "数字の後ろに{1}があります。単位や注記は書けません。コメントは「;」で始まる別の行に書いて"
                        "ください。"},
                       {Quote(fault.after)});
      case IntegerFault::OutOfRange:
        return w_.Fill({"it lies outside -2147483648 to 2147483647.",
                        "-2147483648～2147483647 の範囲を超えています。"});
      case IntegerFault::Other:
        break;
    }
    return w_.Fill({"the plug-in reads only a whole number in decimal, with an optional sign, or in hexadecimal "
                    "after 0x or $.",
                    "使える書き方は、10 進数の整数（符号は付けても可）か、0x または $ で始まる 16 進数だけです。"});
  }

  // Why the default applies, in a sentence or two.
  std::string DefaultReasonText(const SettingValue& value) const {
    const std::string key = Key(value.setting);
    const std::string line = Number(static_cast<std::int64_t>(value.line));
    switch (value.reason) {
      case DefaultReason::None:
        break;
      case DefaultReason::NoContent:
        return w_.Fill({"Nothing was read from the file (see above).", "ファイルから何も読み込めません（上記参照）。"});
      case DefaultReason::NoEnvSection:
        if (value.line != 0) {
          return w_.Fill({"Line {1} is meant as the [Env] header but is not taken as one (see below).",
                          "{1} 行目の [Env] がセクションの見出しとして認識されていません。詳しくは下記を参照して"
                          "ください。"},
                         {line});
        }
        return w_.Fill({"The file has no [Env] section.", "ファイルに [Env] セクションがありません。"});
      case DefaultReason::KeyMissing:
        return w_.Fill({"There is no {1} line in [Env].", "[Env] セクションに {1} の行がありません。"}, {key});
      case DefaultReason::OnlyInEarlierEnv:
        return w_.Fill({"{1} stands on line {2}, in an earlier [Env] section; only the last [Env] section counts.",
                        "{1} は {2} 行目にありますが、その後に別の [Env] セクションがあります。使われるのは最後の "
                        "[Env] セクションだけです。"},
                       {key, line});
      case DefaultReason::NotAnInteger:
        return w_.Fill({"The value on line {1}, {2}, is not a whole number the plug-in reads: {3}",
                        "{1} 行目の値{2}は整数として読み取れません。{3}"},
                       {line, Quote(value.text), FaultText(value.fault)});
    }
    return {};
  }

  // "InterbalMinute = 5 (line 3)", or the default with its reason below.
  void ValueLine(const SettingValue& value, std::int32_t effective) {
    const std::string head = Key(value.setting) + " = " + Number(effective);
    if (facts_.outcome == SettingsLoadOutcome::OpenFailed) {
      w_.Item(head + w_.Fill({" (not read: the file cannot be opened)", "（ファイルを開けないため読み込めません）"}));
    } else if (value.source == ValueSource::File) {
      w_.Item(head + w_.Fill({" (line {1})", "（{1} 行目の値）"}, {Number(static_cast<std::int64_t>(value.line))}));
    } else {
      w_.Item(head + w_.Fill({" (default)", "（既定値）"}));
      w_.Item("  " + DefaultReasonText(value));
    }
  }

  void ValuesSection() {
    w_.Line({"The plug-in will use:", "Tollimer が使う値:"});
    for (const SettingValue& value : facts_.diagnosis.values) ValueLine(value, EffectiveValue(facts_, *value.setting));
    w_.Blank();
  }

  void ScheduleSection() {
    const ScheduleTimeline schedule = SimulateSchedule(ReadAtStart(facts_));
    const std::int32_t interval = schedule.settings.intervalMinutes;
    const std::int32_t wait = schedule.settings.connectWaitMs;
    w_.Line({"What it will do:", "動作:"});
    if (schedule.firstSwitchMinute == 1) {
      w_.Item(w_.Fill({"The first switch comes in the first minute after the mail client starts, then one every "
                       "minute.",
                       "メールソフトの起動後、最初の 1 分で切り替えを行い、その後は 1 分ごとに切り替えます。"}));
    } else {
      w_.Item(w_.Fill({"The first {1} minutes after the mail client starts are only counted; the first switch comes "
                       "in minute {2}, then one every minute.",
                       "メールソフトの起動後 {1} 分間は何もせず、{2} 分目に最初の切り替えを行います。その後は 1 分"
                       "ごとに切り替えます。"},
                      {Number(schedule.countedMinutes), Number(schedule.firstSwitchMinute)}));
    }
    if (schedule.switchBackAfterMs && schedule.armedDelayMs != 0) {
      w_.Item(w_.Fill({"Each switch turns the IMAP connection off and, {1} ms ({2} s) later, back on.",
                       "切り替えでは IMAP サーバーへの接続をオフにし、{1} ミリ秒（{2} 秒）後にオンに戻します。"},
                      {Number(*schedule.switchBackAfterMs), Seconds(*schedule.switchBackAfterMs)}));
    }
    for (const ScheduleWarning warning : WarnAboutSchedule(schedule)) {
      w_.Item(Warning(warning, interval, wait, schedule.armedDelayMs));
    }
    w_.Blank();
  }

  std::string Warning(ScheduleWarning warning, std::int32_t interval, std::int32_t wait, std::uint32_t armedDelayMs) const {
    switch (warning) {
      case ScheduleWarning::IntervalNotPositive:
        return w_.Fill({"Note: an InterbalMinute of 0 or less means no waiting: switching starts in the first "
                        "minute.",
                        "注意: InterbalMinute が 0 以下のため待機せず、最初の 1 分から切り替えを始めます。"});
      case ScheduleWarning::IntervalHuge:
        return w_.Fill({"Note: {1} minutes are about {2} days. The mail client would have to run that long without "
                        "a restart before the first switch: in practice Tollimer never switches.",
                        "注意: {1} 分は約 {2} 日です。メールソフトを再起動せずにそれだけ動かし続けないと最初の切り替えが"
                        "行われないため、実際にはほとんど切り替えが行われません。"},
                       {Number(interval), Number(interval / (24 * 60))});
      case ScheduleWarning::WaitZero:
        return w_.Fill({"Note: with a ConnectWaitMilliSecond of 0 the connection is turned back on at once (after "
                        "Windows' shortest timer period, about 10 ms): it is off only for a moment.",
                        "注意: ConnectWaitMilliSecond が 0 のため、接続はすぐに（Windows のタイマーの最短間隔、約 10 "
                        "ミリ秒後に）オンに戻ります。オフになるのはほんの一瞬です。"});
      case ScheduleWarning::WaitMinuteOrMore:
        return w_.Fill({"Warning: a ConnectWaitMilliSecond of {1} ms is a minute or more. The next minute's switch "
                        "comes first and cancels the pending switch back, so the connection is off one minute and on "
                        "the next.",
                        "警告: ConnectWaitMilliSecond の {1} ミリ秒は 1 分以上です。オンに戻す前に次の分の切り替えが"
                        "行われ、オンに戻す処理は取り消されます。そのため接続は 1 分ごとにオフとオンを交互に繰り返し"
                        "ます。"},
                       {Number(wait)});
      case ScheduleWarning::WaitNegative:
        return w_.Fill({"Warning: a negative ConnectWaitMilliSecond ({1}) reaches Windows as the unsigned delay {2} "
                        "ms, which it caps at about 24.8 days. The switch back never comes before the next minute's "
                        "switch cancels it, so the connection is off one minute and on the next.",
                        "警告: ConnectWaitMilliSecond が負の値（{1}）です。Windows には符号なしの {2} ミリ秒として渡され、"
                        "上限の約 24.8 日に切り詰められます。オンに戻す処理は、実行される前に次の分の切り替えで取り消さ"
                        "れます。そのため接続は 1 分ごとにオフとオンを交互に繰り返します。"},
                       {Number(wait), Number(armedDelayMs)});
    }
    return {};
  }

  std::string FindingText(const Finding& f) const {
    const std::string line = Number(static_cast<std::int64_t>(f.line));
    const std::string other = Number(static_cast<std::int64_t>(f.otherLine));
    const std::string key = Key(f.setting);
    switch (f.kind) {
      case FindingKind::Utf16:
        return w_.Fill({"The file is saved as UTF-16 (\"Unicode\"). The plug-in reads ANSI text only and finds "
                        "nothing in it. Save it again with the encoding \"ANSI\".",
                        "ファイルが UTF-16（Unicode）で保存されています。Tollimer は ANSI（Shift-JIS）のテキストしか"
                        "読めないため、内容をまったく読み取れません。文字コードを「ANSI」にして保存し直してください。"});
      case FindingKind::Utf8MarkBeforeHeader:
        return w_.Fill({"Line 1: the file starts with a UTF-8 byte-order mark (BOM), so {1} is not taken as a "
                        "section header and the lines under it are ignored. Save the file again with the encoding "
                        "\"ANSI\" (or UTF-8 without BOM).",
                        "1 行目: ファイルの先頭に UTF-8 の BOM（バイト順マーク）があるため、{1}がセクションの見出しと"
                        "して認識されず、その下の行は無視されます。文字コードを「ANSI」（または BOM なしの UTF-8）に"
                        "して保存し直してください。"},
                       {Quote(f.text)});
      case FindingKind::NulByte:
        return w_.Fill({"Line {1}: a NUL byte (byte {2} of the file) ends the text for the plug-in; everything after "
                        "it is ignored.",
                        "{1} 行目: NUL 文字（ファイルの先頭から {2} バイト目）があり、そこから後ろはすべて無視されます。"},
                       {line, Number(static_cast<std::int64_t>(f.count) + 1)});
      case FindingKind::HeaderWithTrailingText:
        if (f.otherLine == 0) {
          return w_.Fill({"Line {1}: {2} is not a section header, because something follows its \"]\" (a comment "
                          "goes on a line of its own). The lines below it are ignored.",
                          "{1} 行目: {2}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の"
                          "行に書いてください）。この下の行は無視されます。"},
                         {line, Quote(f.text)});
        }
        return w_.Fill({"Line {1}: {2} is not a section header, because something follows its \"]\" (a comment goes "
                        "on a line of its own). The lines below it belong to the section of line {3}.",
                        "{1} 行目: {2}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の"
                        "行に書いてください）。この下の行は {3} 行目のセクションの一部として扱われます。"},
                       {line, Quote(f.text), other});
      case FindingKind::SeveralEnvSections:
        return w_.Fill({"There are {1} [Env] sections. Only the last one, from line {2}, counts: keys in the earlier "
                        "ones are not read.",
                        "[Env] セクションが {1} 個あります。使われるのは最後のもの（{2} 行目から）だけで、それより前の "
                        "[Env] セクションにあるキーは読み込まれません。"},
                       {Number(static_cast<std::int64_t>(f.count)), line});
      case FindingKind::DuplicateKey:
        return w_.Fill({"Line {1}: {2} is set again; the later line wins, and line {3} has no effect.",
                        "{1} 行目: {2} がもう一度設定されています。後の行の値が有効になり、{3} 行目の値は使われません。"},
                       {line, key, other});
      case FindingKind::NearMissKey:
        if (f.setting != nullptr && f.setting->key == IntervalSetting.key) {
          return w_.Fill({"Line {1}: {2} is not a Tollimer key and is ignored. Did you mean {3}? The key really "
                          "is spelled with a \"b\": InterbalMinute.",
                          "{1} 行目: {2}は Tollimer のキーではないため無視されます。{3} の誤りではありませんか。"
                          "このキーは v ではなく b を使って「InterbalMinute」と綴ります。"},
                         {line, Quote(f.text), key});
        }
        return w_.Fill({"Line {1}: {2} is not a Tollimer key and is ignored. Did you mean {3}?",
                        "{1} 行目: {2}は Tollimer のキーではないため無視されます。{3} の誤りではありませんか。"},
                       {line, Quote(f.text), key});
      case FindingKind::KeyInOtherSection:
        return w_.Fill({"Line {1}: {2} stands in the section [{3}] (line {4}), not in [Env], and is not read there.",
                        "{1} 行目: {2} が [Env] ではなく [{3}] セクション（{4} 行目）にあるため、読み込まれません。"},
                       {line, key, Shorten(facts_.decode != nullptr ? facts_.decode(f.text) : std::string(f.text), 40),
                        other});
      case FindingKind::KeyBeforeAnyHeader:
        if (f.otherLine != 0) {
          return w_.Fill({"Line {1}: {2} is ignored as well, for the reason of line {3}.",
                          "{1} 行目: {2} も、{3} 行目と同じ理由で無視されます。"},
                         {line, key, other});
        }
        return w_.Fill({"Line {1}: {2} comes before any section header and is ignored. Write \"[Env]\" on a line "
                        "above it.",
                        "{1} 行目: {2} がセクションの見出しより前にあるため、無視されます。その上の行に「[Env]」と"
                        "書いてください。"},
                       {line, key});
    }
    return {};
  }

  void FindingsSection() {
    const SettingsDiagnosis& d = facts_.diagnosis;
    if (d.findings.empty()) return;
    w_.Line({"Look at this in the file:", "ファイルの確認が必要な点:"});
    for (const Finding& finding : d.findings) w_.Item(FindingText(finding));
    if (d.findingsLeftOut > 0) {
      w_.Item(w_.Fill({"... and {1} more.", "…ほか {1} 件。"}, {Number(static_cast<std::int64_t>(d.findingsLeftOut))}));
    }
    w_.Blank();
  }

  void Closing() {
    if (!NeedsAttention(facts_)) {
      w_.Line({"All is well: both values come from the file as written.",
               "問題はありません。どちらの値もファイルに書かれたとおりに使われます。"});
    } else {
      w_.Line({"After correcting the file, restart the mail client: the plug-in reads its settings when the mail "
               "client starts.",
               "ファイルを修正したら、メールソフトを再起動してください。設定はメールソフトの起動時に読み込まれます。"});
    }
  }

  const CheckFacts& facts_;
  Writer w_;
};

}  // namespace

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  const ScheduleSettings used = SettingsInUse(ReadAtStart(facts));
  return setting.key == IntervalSetting.key ? used.intervalMinutes : used.connectWaitMs;
}

bool NeedsAttention(const CheckFacts& facts) {
  return facts.outcome != SettingsLoadOutcome::Read || !facts.readByDllBeside || facts.diagnosis.NeedsAttention();
}

std::string CheckTitle(ReportLanguage language) {
  return Writer(language).Fill({"Tollimer settings check", "Tollimer 設定チェック"});
}

std::string WriteCheckReport(const CheckFacts& facts, ReportLanguage language) {
  return ReportBuilder(facts, language).Build();
}

std::string CheckUsage(ReportLanguage language) {
  return Writer(language).Fill(
      {"Usage: TollimerCheck [options] [file]\n"
       "Shows what Tollimer.dll will read from its settings file, and why.\n"
       "\n"
       "  file         a settings file, or a DLL whose settings file is meant\n"
       "               (default: Tollimer.dll beside this program)\n"
       "  --print      write the report to standard output instead of a window\n"
       "  --lang ja|en the language of the report (default: the user's language)\n"
       "  --help       this text\n"
       "\n"
       "Exit status: 0 when both values come from the file as written, 1 when\n"
       "something needs attention, 2 for a wrong command line.\n",
       "使い方: TollimerCheck [オプション] [ファイル]\n"
       "Tollimer.dll が設定ファイルから何を読み取るか、その理由とともに表示します。\n"
       "\n"
       "  ファイル     設定ファイル、または DLL（その DLL が読む設定ファイルを調べます）\n"
       "               （省略時: このプログラムと同じフォルダーの Tollimer.dll）\n"
       "  --print      結果をウィンドウではなく標準出力に書き出します\n"
       "  --lang ja|en 表示する言語（省略時: ユーザーの表示言語）\n"
       "  --help       この説明を表示します\n"
       "\n"
       "終了コード: 0 = どちらの値もファイルのとおり、1 = 確認が必要な点あり、\n"
       "2 = コマンドラインの誤り\n"});
}

bool ReadReportLanguage(std::string_view name, ReportLanguage& language) {
  if (name == "ja") {
    language = ReportLanguage::Japanese;
  } else if (name == "en") {
    language = ReportLanguage::English;
  } else {
    return false;
  }
  return true;
}
