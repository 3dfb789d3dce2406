#pragma once
// The settings check's words in Japanese, message for message as in
// EnglishMessages.h, with the same placeholders (checked while building).
// Terms: Becky! for the host by name, 設定ファイル, 待ち時間 for the wait
// before the connection is turned back on, 間隔 for the interval, IMAP
// サーバーへの接続 turned オフ and オン; です・ます throughout.
#include "Message.h"

inline constexpr Catalogue JapaneseMessages{{
    {Message::Title, "{product} {version} 設定チェック"},
    {Message::Quoted, "「{text}」"},

    {Message::FileChecked, "設定ファイル: {path}"},
    {Message::DllReadsFile, "同じフォルダーに {dll} があり、{host} の起動のたびにこのファイルを読み込みます。"},
    {Message::DllReadsOtherFile,
     "同じフォルダーに {dll} がありますが、{dll} が読み込むのは {ini} で、このファイルではありません。"},
    {Message::NoDllBeside,
     "このフォルダーには {dll} がありません。{product} がこのファイルを読み込むのは、同じフォルダーに {dll} "
     "がある場合だけです。"},
    {Message::NoPath, "ファイル名が指定されていないため、{product} は何も読み込まず、既定値を使います。"},
    {Message::NotFound, "ファイルがありません。{product} は既定値を使います。"},
    {Message::Directory, "この名前はファイルではなくフォルダーです。{product} は既定値を使います。"},
    {Message::TimeOutOfRange,
     "ファイルの更新日時が 1980 年～2107 年（ローカル時刻）の範囲外のため、{product} はこのファイルを読まず、"
     "既定値を使います。ファイルを保存し直して、更新日時を現在の日時にしてください。"},
    {Message::OpenFailed, "ファイルはありますが、開けません: {error_text}（エラー {error_code}）"},
    {Message::OpenFailedWhy,
     "別のプログラム（エディター、同期ソフト、バックアップソフトなど）が、書き込み用に開いている可能性があります。"
     "この場合 {product} は設定を読み込めず、それまでの値のまま動作します。{host} の起動直後は、その値はどちらも "
     "{value} です。"},
    {Message::Empty, "ファイルが空です。{product} は既定値を使います。"},
    {Message::ReadFailed, "ファイルを読み取れませんでした。{product} は既定値を使います。"},

    {Message::ValuesHeading, "{product} が使う値:"},
    {Message::ValueFromFile, "{key} = {value}（{line} 行目の値）"},
    {Message::ValueDefault, "{key} = {value}（既定値）"},
    {Message::ValueNotRead, "{key} = {value}（ファイルを開けないため、読み込まれません）"},
    {Message::ReasonNoContent, "{product} はファイルから何も読み込めませんでした（上記参照）。"},
    {Message::ReasonUtf16,
     "ファイルが UTF-16 で保存されているため、{product} は [{section}] セクションを読み取れません（下記参照）。"},
    {Message::ReasonHeaderNotTaken,
     "{line} 行目の [{section}] は、セクションの見出しとして認識されていません（下記参照）。"},
    {Message::ReasonNoSection, "ファイルに [{section}] セクションがありません。"},
    {Message::ReasonKeyMissing, "[{section}] セクションに {key} の行がありません。"},
    {Message::ReasonOnlyInEarlierSection,
     "{key} は {line} 行目にありますが、その後に別の [{section}] セクションがあります。"
     "使われるのは、最後の [{section}] セクションだけです。"},
    {Message::ReasonNotAnInteger, "{line} 行目の値{value}は、{product} が読める整数ではありません。{reason}"},
    {Message::FaultEmpty, "値が空です。"},
    {Message::FaultNoDigits, "数字がありません。"},
    {Message::FaultQuoted, "引用符で囲むことはできません。"},
    {Message::FaultSecondSign, "符号が重なっています。"},
    {Message::FaultBlankInside, "数字の途中に空白があります。"},
    {Message::FaultDecimalPoint, "小数点は使えません。整数で書いてください。"},
    {Message::FaultDigitGroupComma, "桁区切りのカンマは使えません。数字だけを続けて書いてください。"},
    {Message::FaultTextAfterNumber,
     "数字の後ろに{text}があります。数字の後ろには、単位や注記も含めて何も書けません。"
     "コメントは、「;」で始まる別の行に書いてください。"},
    {Message::FaultOutOfRange, "{min}～{max} の範囲外です。"},
    {Message::FaultOther,
     "{product} が読めるのは、10 進数の整数（符号は付けても可）か、0x または $ で始まる 16 進数だけです。"},

    {Message::ScheduleHeading, "動作の予定:"},
    {Message::FirstSwitchAtFirstTick, "{host} の起動から 1 分後に最初の切り替えを行い、その後は 1 分ごとに切り替えます。"},
    {Message::FirstSwitchAfterWait,
     "{host} の起動後 {minutes} 分間、{product} は何もせず、{first_minute} 分目に最初の切り替えを行います。"
     "その後は 1 分ごとに切り替えます。"},
    {Message::SwitchBack,
     "切り替えでは、IMAP サーバーへの接続をオフにし、{wait_ms} ミリ秒（{wait_s} 秒）後にオンに戻します。"},
    {Message::WarnIntervalNotPositive,
     "注意: 間隔（{interval_key}）が 0 以下（{minutes}）のため、{product} は待たずに、{host} の起動から 1 分後に"
     "切り替えを始めます。"},
    {Message::WarnIntervalHuge,
     "注意: {minutes} 分は約 {days} 日です。最初の切り替えは、{host} を再起動せずにそれだけ動かし続けた場合だけです。"
     "実際には、{product} が切り替えることはまずありません。"},
    {Message::WarnWaitZero,
     "注意: 待ち時間（{wait_key}）が 0 のため、接続はすぐに（Windows のタイマーの最短間隔、約 {timer_ms} ミリ秒後に）"
     "オンに戻ります。オフになるのは、ほんの一瞬です。"},
    {Message::WarnWaitMinuteOrMore,
     "警告: 待ち時間（{wait_key}）の {wait_ms} ミリ秒は、1 分（{minute_ms} ミリ秒）以上です。"
     "接続をオンに戻す前に次の切り替えの時刻になり、オンに戻す処理は取り消されます。"
     "そのため接続は、1 分ごとにオフとオンを交互に繰り返します。"},
    {Message::WarnWaitNegative,
     "警告: 待ち時間（{wait_key}）が負の値（{wait_ms}）です。Windows には符号なしの {unsigned_ms} ミリ秒として渡され、"
     "上限の約 {cap_days} 日に切り詰められます。オンに戻す処理は、実行される前に次の切り替えで取り消されます。"
     "そのため接続は、1 分ごとにオフとオンを交互に繰り返します。"},

    {Message::FindingsHeading, "ファイルの確認が必要な点:"},
    {Message::FindUtf16,
     "ファイルが UTF-16（Unicode）で保存されています。{product} が読めるのは、ANSI（システムのコード ページ。"
     "日本語版 Windows では Shift-JIS）か BOM なしの UTF-8 のテキストだけなので、このファイルは内容をまったく"
     "読み取れません。"
     "文字コードを「ANSI」にして、保存し直してください。"},
    {Message::FindUtf8MarkBeforeHeader,
     "{line} 行目: ファイルの先頭に UTF-8 の BOM（バイト順マーク）があるため、{text}がセクションの見出しとして"
     "認識されず、その下の行は無視されます。文字コードを「ANSI」（または BOM なしの UTF-8）にして、"
     "保存し直してください。"},
    {Message::FindNulByte,
     "{line} 行目: NUL 文字（ファイルの先頭から {byte_number} バイト目）があり、{product} はそこから後ろをすべて無視します。"},
    {Message::FindHeaderWithTextDropsLines,
     "{line} 行目: {text}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の行に"
     "書いてください）。この下の行は無視されます。"},
    {Message::FindHeaderWithTextJoinsSection,
     "{line} 行目: {text}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の行に"
     "書いてください）。この下の行は、{other_line} 行目のセクションの一部として扱われます。"},
    {Message::FindSeveralSections,
     "[{section}] セクションが {count} 個あります。使われるのは最後のもの（{line} 行目から）だけで、"
     "それより前の [{section}] セクションにあるキーは読み込まれません。"},
    {Message::FindDuplicateKey,
     "{line} 行目: {key} がもう一度設定されています。後の行の値が有効になり、{other_line} 行目の値は使われません。"},
    {Message::FindNearMissIntervalKey,
     "{line} 行目: {text}は {product} のキーではないため、無視されます。{key} と書くつもりではありませんでしたか。"
     "{product} が読むキー名は、v ではなく b を使った「{key}」です。"},
    {Message::FindNearMissKey,
     "{line} 行目: {text}は {product} のキーではないため、無視されます。{key} と書くつもりではありませんでしたか。"},
    {Message::FindKeyInOtherSection,
     "{line} 行目: {key} が [{section}] ではなく [{text}] セクション（{other_line} 行目）にあるため、"
     "読み込まれません。"},
    {Message::FindKeyAfterUnreadHeader, "{line} 行目: {key} も、{other_line} 行目と同じ理由で無視されます。"},
    {Message::FindKeyBeforeAnyHeader,
     "{line} 行目: {key} がセクションの見出しより前にあるため、無視されます。その上の行に、「[{section}]」と"
     "書いてください。"},
    {Message::FindMore, "…ほか {count} 件。"},

    {Message::AdviceNothingToDo,
     "問題はありません。どちらの値もファイルに書かれたとおりに使われます。何もする必要はありません。"},
    {Message::AdviceCorrectAndRestart,
     "ファイルを修正したら、{host} を再起動してください。{product} は、{host} の起動時に設定を読み込みます。"},
    {Message::AdvicePutDllBeside,
     "このファイルを読み込ませるには、このフォルダーに {dll} を置くか、このファイルを {ini} という名前で "
     "{dll} と同じフォルダーに置いてから、{host} を再起動してください。"},
    {Message::AdviceRenameForDll,
     "この設定を読み込ませるには、{dll} と同じフォルダーに {ini} という名前で保存してから、{host} を再起動してください。"},
    {Message::AdviceCreateFile,
     "既定値のままでよければ、何もする必要はありません。別の値にするには、パッケージに含まれるサンプルの {ini} と"
     "同じ内容で、{dll} と同じフォルダーに {ini} を作り、値を書き換えてから、{host} を再起動してください。"},
    {Message::AdviceCloseOtherProgram, "そのプログラムを閉じてから、{host} を再起動してください。"},

    {Message::FixHeading, "{check} は、ファイルの次の点を修正できます:"},
    {Message::FixSaveAsAnsi, "ファイル全体: UTF-16 から ANSI（システムのコード ページ）に変えて、保存し直します。"},
    {Message::FixRemoveMark, "{line} 行目: {text}の前にある UTF-8 の BOM（バイト順マーク）を取り除きます。"},
    {Message::FixRenameKey, "{line} 行目: {text}を {key} に直します。"},
    {Message::FixReduceValue, "{line} 行目: 値{text}を {value} に直します。"},
    {Message::FixBlockedCharacter,
     "{line} 行目に、ANSI（システムのコード ページ）で表せない文字があるため、{check} はこのファイルを ANSI で"
     "保存し直せません。その文字を置き換えてから、文字コードを「ANSI」にして保存し直してください。"},
    {Message::FixBlockedMalformed,
     "ファイルの内容が正しい UTF-16 のテキストではない（バイト数が奇数か、NUL 文字を含む）ため、{check} は"
     "このファイルを ANSI で保存し直せません。"},
    {Message::FixHowTo,
     "この修正を行うには、{check} --fix を実行するか、{check} をダブルクリックして「はい」を選んでください。"
     "元のファイルは同じフォルダーに残します。"},
    {Message::FixQuestion, "今すぐファイルを修正しますか。元のファイルは、バックアップとして同じフォルダーに残します。"},
    {Message::FixDryRun, "--dry-run のため、何も書き込んでいません。"},
    {Message::FixWritten, "ファイルを修正しました。元のファイルは {path} として残してあります。"},
    {Message::FixFileNow, "修正したファイルを、{product} と同じ方法で読み直した結果:"},
    {Message::FixRestart,
     "{product} は、次に {host} を起動したときに、修正したファイルを読み込みます。すぐに反映させるには、{host} "
     "を再起動してください。"},
    {Message::FixNotWritten, "ファイルは修正しておらず、元のままです。{reason}"},
    {Message::RewriteReadOnly,
     "ファイルが読み取り専用になっています。ファイルのプロパティで「読み取り専用」をオフにしてから、もう一度 "
     "{check} を実行してください。"},
    {Message::RewriteCannotReread, "ファイルを読み直せませんでした: {error_text}（エラー {error_code}）"},
    {Message::RewriteChanged,
     "{check} が読み込んだ後に、ファイルが変更されました（エディターや別のプログラムが保存した可能性があります）。"
     "もう一度 {check} を実行してください。"},
    {Message::RewriteNoBackupName,
     "バックアップに使える名前が残っていません。古いバックアップ（{ini}.bak と番号付きのもの）を削除してから、"
     "もう一度 {check} を実行してください。"},
    {Message::RewriteCannotCreateTemp,
     "同じフォルダーに新しいファイルを作れませんでした: {error_text}（エラー {error_code}）。"
     "このフォルダーへの書き込みが、ユーザーに許可されていない可能性があります。"},
    {Message::RewriteCannotWriteTemp,
     "修正した内容を書き込めませんでした: {error_text}（エラー {error_code}）。ディスクがいっぱいの可能性があります。"},
    {Message::RewriteCannotReplace,
     "ファイルを置き換えられませんでした: {error_text}（エラー {error_code}）。別のプログラムがファイルを開いている"
     "可能性があります。そのプログラムを閉じてから、もう一度 {check} を実行してください。"},

    {Message::ErrorUnknownOption, "{check}: {option} というオプションはありません。"},
    {Message::ErrorLanguage, "{check}: --lang には ja か en を指定してください。"},
    {Message::ErrorOneFileOnly, "{check}: 一度に調べられるファイルは 1 つだけです。"},
    {Message::ErrorDryRunWithoutFix, "{check}: --dry-run は --fix と一緒に指定してください。"},
    {Message::WindowFixButton, "ファイルを修正する(&C)"},
    {Message::WindowCloseButton, "閉じる"},
    {Message::WindowDetailsLabel, "チェック結果の全文(&R):"},
    {Message::WindowChangesLabel, "修正すると、次のように変わります:"},
    {Message::WindowFixing, "ファイルを修正しています…"},
    {Message::Usage,
     "使い方: {check} [オプション] [ファイル]\n"
     "{dll} が設定ファイルから何を読み取るかを、その理由とともに表示します。\n"
     "\n"
     "ファイル\n"
     "    設定ファイル、または DLL（その DLL が読む設定ファイルを調べます）\n"
     "    （省略時: このプログラムと同じフォルダーにある {dll}）\n"
     "--print\n"
     "    結果をウィンドウではなく、標準出力に書き出します。\n"
     "--lang ja|en\n"
     "    表示する言語（省略時: ユーザーの表示言語）\n"
     "--fix\n"
     "    確実に直せる点を、確認せずに修正します。元のファイルは、\n"
     "    同じフォルダーに残します（{ini}.bak、または番号付きの名前）。\n"
     "--dry-run\n"
     "    --fix と一緒に指定すると、変更する点を表示するだけにします。\n"
     "--help\n"
     "    この説明を表示します。\n"
     "\n"
     "ダブルクリックで起動すると、結果を表示し、修正できる点があれば、\n"
     "修正するかどうかを確認します。\n"
     "\n"
     "終了コード:\n"
     "    0  どちらの値もファイルに書かれたとおり（修正後を含む）\n"
     "    1  確認が必要な点がある\n"
     "    2  コマンドラインの誤り\n"
     "    3  修正したファイルを書き込めなかった（元のファイルはそのまま）\n"},
}};
