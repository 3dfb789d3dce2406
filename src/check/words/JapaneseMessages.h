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

    {Message::NotHostFolder,
     "このフォルダーは {host} のプラグインフォルダー（{plugins}）ではないため、{host} はこのファイルを読み込みません。"
     "{host} がプラグインを読み込むのは、プログラムフォルダーかデータフォルダーにある {plugins} フォルダーだけです。"
     "{product} を使うには、{dll}、{check}.exe、{ini} をその {plugins} フォルダーにコピーしてください。"},
    {Message::InPackageFolder,
     "ここは展開したパッケージのフォルダーで、{host} のプラグインフォルダー（{plugins}）ではないため、{host} は"
     "このファイルを読み込みません。{dll}、{check}.exe、{ini} を、{host} のプログラムフォルダーかデータフォルダーに"
     "ある {plugins} フォルダーにコピーしてください（フォルダーの探し方は、説明書に書いてあります）。"},
    {Message::FileChecked, "設定ファイル: {path}"},
    {Message::DllReadsFile, "同じフォルダーに {dll} があり、{host} の起動のたびにこのファイルを読み込みます。"},
    {Message::DllReadsOtherFile,
     "同じフォルダーに {dll} がありますが、{dll} が読み込むのは {path} で、このファイルではありません。"},
    {Message::NoDllBeside,
     "このフォルダーには {dll} がありません。{product} がこのファイルを読み込むのは、同じフォルダーに {dll} "
     "がある場合だけです。"},
    {Message::DllPathTooLong,
     "同じフォルダーに {dll} がありますが、{product} はここでは設定ファイルを読み込まず、既定値で動作します。"
     "{dll} のフルパスがシステムのコード ページで {count} バイトあり、{product} が設定ファイルを見つけられるのは、"
     "このパスが {max} バイト以下の場合だけだからです。"},
    {Message::DllPathNotInCodePage,
     "同じフォルダーに {dll} がありますが、{product} はここでは設定ファイルを読み込まず、既定値で動作します。"
     "{dll} のパスに、システムのコード ページにない文字（{text}）が含まれており、{product} はこのコード ページで"
     "書けるパスでしか設定ファイルを見つけられないためです。"},
    {Message::NoPath, "ファイル名が指定されていないため、{product} は何も読み込まず、既定値を使います。"},
    {Message::NotFound, "ファイルがありません。{product} は既定値を使います。"},
    {Message::LookAlike,
     "ただし、{text}というファイルがあります。エクスプローラーで拡張子を表示しない設定にしていると、{ini} と"
     "表示されます。{product} が読み込むのは、名前がちょうど {ini} のファイルだけです。"},
    {Message::LookAlikes,
     "ただし、{ini} と見間違えやすいファイル（{text}）があります。{product} が読み込むのは、名前がちょうど {ini} の"
     "ファイルだけです。"},
    {Message::Unreachable,
     "ファイルのあるフォルダーが見つからないか、アクセスできません: {error_text}（エラー {error_code}）。"
     "{product} は既定値を使います。"},
    {Message::Directory, "この名前はファイルではなくフォルダーです。{product} は既定値を使います。"},
    {Message::TimeOutOfRange,
     "ファイルの更新日時が 1980 年～2107 年（ローカル時刻）の範囲外のため、{product} はこのファイルを読まず、"
     "既定値を使います。ファイルを保存し直して、更新日時を現在の日時にしてください。"},
    {Message::OpenFailed, "ファイルはありますが、開けません: {error_text}（エラー {error_code}）"},
    {Message::OpenFailedWhy,
     "別のプログラム（エディター、同期ソフト、バックアップソフトなど）が、書き込み用に開いている可能性があります。"
     "この場合 {product} は設定を読み込めず、それまでの値のまま動作します（{host} の起動直後の値は下記のとおりです）。"},
    {Message::Empty, "ファイルが空です。{product} は既定値を使います。"},
    {Message::ReadFailed, "ファイルを読み取れませんでした。{product} は既定値を使います。"},
    {Message::TooLarge,
     "ファイルのサイズは {count} バイトです。{check} が詳しく調べるのは {max} バイトまでのファイルです（設定ファイルは"
     "数行の短いテキストで、修正点を探す間はファイルの写しをいくつもメモリーに置くためです）。{product} は "
     "{host} の起動のたびにファイル全体をメモリーに読み込み、次の値を見つけます。"},

    {Message::ValuesHeading, "{product} が使う値:"},
    {Message::ValuesHeadingIfRead, "{product} がこのファイルを読み込んだ場合に使う値:"},
    {Message::ValueFromFile, "{key} = {value}（{line} 行目の値）"},
    {Message::ValueDefault, "{key} = {value}（既定値）"},
    {Message::ValueNotRead, "{key} = {value}（ファイルを開けないため、読み込まれません）"},
    {Message::ValueFromLargeFile, "{key} = {value}（ファイルの値）"},
    {Message::ReasonNoContent, "{product} はファイルから何も読み込めませんでした（上記参照）。"},
    {Message::ReasonLargeFileNoValue, "ファイルに、{product} が読める整数の値がありません。"},
    {Message::ReasonUtf16,
     "ファイルが UTF-16 で保存されているため、{product} は [{section}] セクションを読み取れません（下記参照）。"},
    {Message::ReasonNotText,
     "ファイルがテキストファイルではなく、{product} は [{section}] セクションを見つけられません（下記参照）。"},
    {Message::ReasonHeaderNotTaken,
     "{line} 行目の [{section}] は、セクションの見出しとして認識されていません（下記参照）。"},
    {Message::ReasonNoSection, "ファイルに [{section}] セクションがありません。"},
    {Message::ReasonKeyMissing, "[{section}] セクションに {key} の行がありません。"},
    {Message::ReasonOnlyInEarlierSection,
     "{key} は {line} 行目にありますが、その後に別の [{section}] セクションがあります。"
     "使われるのは、最後の [{section}] セクションだけです。"},
    {Message::ReasonNotAnInteger, "{line} 行目の値{value}は、{product} が読める整数ではありません。{reason}"},
    {Message::FaultEmpty, "値が空です。"},
    {Message::FaultFullWidth, "{characters}が含まれています。{product} が読めるのは、半角の数字と記号だけです。"},
    {Message::FaultNoDigits, "数字がありません。"},
    {Message::FaultQuoted, "引用符で囲むことはできません。"},
    {Message::FaultSecondSign, "符号が重なっています。"},
    {Message::FaultBlankInside, "数字の途中に空白があります。"},
    {Message::FaultDecimalPoint, "小数点は使えません。整数で書いてください。"},
    {Message::FaultDigitGroupComma, "桁区切りのカンマは使えません。数字だけを続けて書いてください。"},
    {Message::FaultTextAfterNumber,
     "数字の後ろに{text}があります。数字の後ろには、単位や注記も含めて何も書けません。"
     "コメントは、「;」で始まる別の行に書いてください。"},
    {Message::FaultOtherUnit,
     "数字の後ろに単位{text}があります。数字の後ろには何も書けません。この値の単位は{unit}なので、{value} と"
     "書いてください。"},
    {Message::FaultNotWhole,
     "数字の後ろに単位{text}があります。この値は{unit}単位の整数で書きますが、この長さは {value} {unit}で、"
     "整数になりません。"},
    {Message::FaultOutOfRange, "{min}～{max} の範囲外です。"},
    {Message::FaultOther,
     "{product} が読めるのは、10 進数の整数（符号は付けても可）か、0x または $ で始まる 16 進数だけです。"},
    {Message::UnitMillisecond, "ミリ秒"},
    {Message::UnitSecond, "秒"},
    {Message::UnitMinute, "分"},
    {Message::UnitHour, "時間"},

    {Message::ScheduleHeading, "動作の予定:"},
    {Message::ScheduleHeadingIfRead, "その場合の動作の予定:"},
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
     "日本語版 Windows では Shift-JIS）か BOM なしの UTF-8 のテキストだけです。"
     "文字コードを「ANSI」にして、保存し直してください。"},
    {Message::FindUtf16ReadsNothing,
     "ファイルが UTF-16（Unicode）で保存されています。読めるのは ANSI（システムのコード ページ。"
     "日本語版 Windows では Shift-JIS）か BOM なしの UTF-8 のテキストだけなので、{product} はこのファイルの内容を"
     "まったく読み取れません。文字コードを「ANSI」にして、保存し直してください。"},
    {Message::FindNotText,
     "このファイルはテキストファイルではありません（{text}）。別のファイルがこの名前で保存またはコピーされた可能性が"
     "あります。テキストの設定ファイルに置き換えてください。"},
    {Message::NotTextFormat, "先頭が {text} ファイルの形式です"},
    {Message::NotTextControlBytes, "バイナリデータのように、制御文字が多く含まれています"},
    {Message::FindUtf8MarkBeforeHeader,
     "{line} 行目: ファイルの先頭に UTF-8 の BOM（バイト順マーク）があるため、{text}がセクションの見出しとして"
     "認識されず、その下の行は無視されます。文字コードを「ANSI」（または BOM なしの UTF-8）にして、"
     "保存し直してください。"},
    {Message::FindNulByte,
     "{line} 行目: NUL 文字（ファイルの先頭から {byte_number} バイト目）があり、{product} はそこから後ろをすべて無視します。"},
    {Message::FindNulPadding,
     "{line} 行目: ファイルの {byte_number} バイト目から末尾までは、NUL 文字（値が 0 のバイト）が {count} バイト"
     "続いているだけです。保存中に止まったプログラムが、このように残すことがあります。{product} は、最初の NUL 文字の"
     "手前までのテキストを読み込みます。"},
    {Message::FindHeaderWithTextDropsLines,
     "{line} 行目: {text}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の行に"
     "書いてください）。この下の行は無視されます。"},
    {Message::FindHeaderWithTextJoinsSection,
     "{line} 行目: {text}は「]」の後ろに文字があるため、セクションの見出しになりません（コメントは別の行に"
     "書いてください）。この下の行は、{other_line} 行目のセクションの一部として扱われます。"},
    {Message::FindFullWidthHeader,
     "{line} 行目: {text}に{characters}が含まれています。{product} は半角の英数字と記号しか読まないため、この行は "
     "[{section}] セクションの見出しになりません。"},
    {Message::FindSeveralSections,
     "[{section}] セクションが {count} 個あります。使われるのは最後のもの（{line} 行目から）だけで、"
     "それより前の [{section}] セクションにあるキーは読み込まれません。"},
    {Message::FindDuplicateKey,
     "{line} 行目: {key} がもう一度設定されています。後の行の値が有効になり、{other_line} 行目の値は使われません。"},
    {Message::FindCommentedOut,
     "{line} 行目: {text}は、ほかのプログラムのコメント記号で無効にした行のようです。コメントになるのは、行の先頭の"
     "「;」だけです。この行が無視されるのは、{product} が記号をキー名の一部とみなすためです。無効のままにするには、"
     "行の先頭に「;」を付けてください。"},
    {Message::FindFullWidthKey,
     "{line} 行目: {text}に{characters}が含まれています。{product} は半角の英数字と記号しか読まないため、この行を "
     "{key} の行として読み込みません。"},
    {Message::FindNearMissOddlySpeltKey,
     "{line} 行目: {text}は {product} のキーではないため、無視されます。{key} と書くつもりではありませんでしたか。"
     "{product} が読むキー名は、{expected_letter} ではなく {letter} を使った「{key}」です。"},
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
    {Message::CharacterFullWidth, "全角の「{text}」"},
    {Message::CharacterFullWidthSpace, "全角スペース"},
    {Message::ListSeparator, "、"},

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
    {Message::AdviceCopyToHostFolder,
     "最初に書いたとおり、ファイルを {host} の {plugins} フォルダーにコピーしてから、{host} を再起動してください。"},
    {Message::AdviceRenameLookAlike,
     "そのファイルの名前を {ini} に変えてから（{check} で変えることもできます）、{host} を再起動してください。"},
    {Message::AdviceRestartToApply,
     "問題はなくなりました。どちらの値も、修正したファイルに書かれたとおりに使われます。{host} は次の起動時に"
     "このファイルを読み込みます。すぐに反映させるには、{host} を再起動してください。"},
    {Message::AdviceShortenPath,
     "{dll} のあるフォルダー（{host} のプログラムフォルダーまたはデータフォルダー）を短いパスに移すか、"
     "途中のフォルダー名を短くしてから、{host} を再起動してください。"},
    {Message::AdviceRenameFolders,
     "{dll} のパスにあるフォルダーの名前から {text} を取り除いてから、{host} を再起動してください。"},

    {Message::FixHeading, "{check} は、ファイルの次の点を修正できます:"},
    {Message::FixRenameFile, "{text}の名前を {ini} に変えます。"},
    {Message::FixSaveAsAnsi, "ファイル全体: UTF-16 から ANSI（システムのコード ページ）に変えて、保存し直します。"},
    {Message::FixRemoveNulPadding, "ファイルの末尾: テキストの後ろにある {count} バイトの NUL 文字を取り除きます。"},
    {Message::FixRemoveMark, "{line} 行目: {text}の前にある UTF-8 の BOM（バイト順マーク）を取り除きます。"},
    {Message::FixRenameKey, "{line} 行目: {text}を {key} に直します。"},
    {Message::FixHalfWidth, "{line} 行目: {text}の全角の文字を半角にして、{value}に直します。"},
    {Message::FixCommentOut, "{line} 行目: {text}の先頭に「;」を付けて、コメントにします。"},
    {Message::FixReduceValue, "{line} 行目: 値{text}を {value} に直します。"},
    {Message::FixConvertValue, "{line} 行目: 値{text}を{unit}に換算して、{value} に直します。"},
    {Message::FixReduceValueMovingNote,
     "{line} 行目: 値{text}を {value} に直し、注記{note}は、すぐ上の新しいコメント行に移します。"},
    {Message::FixConvertValueMovingNote,
     "{line} 行目: 値{text}を{unit}に換算して {value} に直し、注記{note}は、すぐ上の新しいコメント行に移します。"},
    {Message::FixBlockedCharacter,
     "{line} 行目に、ANSI（システムのコード ページ）で表せない文字があるため、{check} はこのファイルを ANSI で"
     "保存し直せません。その文字を置き換えてから、文字コードを「ANSI」にして保存し直してください。"},
    {Message::FixBlockedMalformed,
     "ファイルの内容が正しい UTF-16 のテキストではない（バイト数が奇数か、NUL 文字を含む）ため、{check} は"
     "このファイルを ANSI で保存し直せません。"},
    {Message::FixHowTo,
     "この修正を行うには、{check} --fix を実行するか、{check} をダブルクリックして［ファイルを修正する］を"
     "押してください。元のファイルは同じフォルダーに残します。"},
    {Message::FixDryRun, "--dry-run のため、何も書き込んでいません。"},
    {Message::FixWritten, "ファイルを修正しました。元のファイルは {path} として残してあります。"},
    {Message::FixFileNow, "修正したファイルを、{product} と同じ方法で読み直した結果:"},
    {Message::FixNotWritten, "ファイルは修正していません（元のままです）。{reason}"},
    {Message::RewriteGone,
     "{check} が読み込んだ後に、ファイルが削除されたか、名前が変わりました。もう一度 {check} を実行してください。"},
    {Message::RewriteBecameFolder, "この名前のフォルダーができています。もう一度 {check} を実行してください。"},
    {Message::RewriteReadOnly,
     "ファイルが読み取り専用になっています。ファイルのプロパティで「読み取り専用」をオフにしてから、もう一度 "
     "{check} を実行してください。"},
    {Message::RewriteIsLink,
     "このファイルは {path} へのリンクです。{check} はリンクを置き換えません（リンク先のファイルが移動してしまう"
     "ためです）。代わりに {path} に対して {check} を実行してください。"},
    {Message::RewriteHardLinks,
     "このファイルには名前が {count} つあり（ハードリンク）、置き換えるとほかの名前のほうは古い内容のままになります。"
     "エディターで直接修正してください。"},
    {Message::RewriteHeldOpen,
     "別のプログラムがファイルを開いています: {error_text}（エラー {error_code}）。そのプログラムを閉じてから、"
     "もう一度 {check} を実行してください。"},
    {Message::RewriteAccessDenied, "このユーザーには、ファイルを変更する権限がありません: {error_text}（エラー {error_code}）。"},
    {Message::RewriteCannotOpen, "ファイルを開けませんでした: {error_text}（エラー {error_code}）"},
    {Message::RewriteChanged,
     "{check} が読み込んだ後に、ファイルが変更されました（エディターや別のプログラムが保存した可能性があります）。"
     "もう一度 {check} を実行してください。"},
    {Message::RewriteCannotCreateNew,
     "同じフォルダーに新しいファイルを作れませんでした: {error_text}（エラー {error_code}）。"
     "このフォルダーへの書き込みが、ユーザーに許可されていない可能性があります。"},
    {Message::RewriteCannotWriteNew,
     "修正した内容を書き込めませんでした: {error_text}（エラー {error_code}）。ディスクがいっぱいの可能性があります。"},
    {Message::RewriteNoBackupName,
     "バックアップに使える名前が残っていません。古いバックアップ（{ini}.bak と番号付きのもの）を削除してから、"
     "もう一度 {check} を実行してください。"},
    {Message::RewriteCannotKeepOriginal,
     "元のファイルの名前を変えて、バックアップとして残すことができませんでした: {error_text}（エラー {error_code}）。"},
    {Message::RewriteCannotPutInPlace,
     "修正したファイルを元の名前にできませんでした: {error_text}（エラー {error_code}）。その間に、別のプログラムが"
     "同じ名前のファイルを作った可能性があります。"},
    {Message::RewriteCannotRename, "名前を変えられませんでした: {error_text}（エラー {error_code}）。"},
    {Message::FixRenamed, "{text}の名前を {ini} に変えました。"},
    {Message::FixOriginalUnderBackup,
     "ファイルは修正していません。元のファイルの名前を {path} に変えた後、別のファイルが元の名前を使ったため"
     "（{error_text}、エラー {error_code}）、元の名前に戻せませんでした。失われたものはありません。元のファイルは "
     "{path}、修正した内容は {text} にあります。"},

    {Message::ErrorUnknownOption, "{check}: {option} というオプションはありません。"},
    {Message::ErrorLanguage, "{check}: --lang には ja か en を指定してください。"},
    {Message::ErrorOneFileOnly, "{check}: 一度に調べられるファイルは 1 つだけです。"},
    {Message::ErrorDryRunWithoutFix, "{check}: --dry-run は --fix と一緒に指定してください。"},
    {Message::ErrorEmptyFileName, "{check}: ファイル名が空です。"},
    {Message::ErrorOptionWithoutValue, "{check}: {option} には値を指定してください。"},
    {Message::InternalFailure,
     "処理を中断しました（メモリー不足または内部エラー）。ファイルの状態を確かめるには、設定チェックをもう一度"
     "実行してください。"},
    {Message::WindowFixButton, "ファイルを修正する(&C)"},
    {Message::WindowCloseButton, "閉じる"},
    {Message::WindowDetailsLabel, "チェック結果の全文(&R):"},
    {Message::WindowChangesLabel, "修正すると、次のように変わります:"},
    {Message::WindowFixing, "ファイルを修正しています…"},
    {Message::VerdictAllWell, "問題はありません。{product} はどちらの値もファイルに書かれたとおりに使います。"},
    {Message::VerdictCorrectableOne, "設定ファイルに、{check} で修正できる問題が 1 件あります。"},
    {Message::VerdictCorrectableMany, "設定ファイルに、{check} で修正できる問題が {count} 件あります。"},
    {Message::VerdictNeedsLook, "設定ファイルに、確認が必要な点があります。"},
    {Message::VerdictNoFile, "設定ファイルがないため、{product} は既定値を使います。"},
    {Message::VerdictLookAlike, "設定ファイルの名前が違うため、{product} はこのファイルを読み込みません。"},
    {Message::VerdictHeldOpen, "別のプログラムが設定ファイルを開いているため、{product} は読み込めません。"},
    {Message::VerdictNoDll, "このフォルダーには {dll} がないため、このファイルを読み込むものはありません。"},
    {Message::VerdictOtherFile, "{dll} が読み込むのは、このファイルではなく別のファイルです。"},
    {Message::VerdictPathTooLong, "フォルダーのパスが長すぎるため、{product} はここでは設定ファイルを読み込みません。"},
    {Message::VerdictNotInCodePage,
     "フォルダーのパスにシステムのコード ページにない文字があるため、{product} はここでは設定ファイルを読み込みません。"},
    {Message::VerdictNotHostFolder,
     "ここは {host} の {plugins} フォルダーではないため、{host} はこのファイルを読み込みません。"},
    {Message::VerdictCorrected, "ファイルを修正しました。すぐに反映させるには、{host} を再起動してください。"},
    {Message::VerdictNotCorrected, "ファイルは修正していません（元のままです）。"},
    {Message::VerdictElevationDeclined,
     "管理者として実行することが許可されなかったため、ファイルは修正していません（元のままです）。"},
    {Message::VerdictElevationFailed,
     "管理者として実行できなかったため、ファイルは修正していません（{error_text}、エラー {error_code}）。"},
    {Message::VerdictElevatedCheckFailed,
     "管理者として実行した修正が最後まで終わりませんでした。使う前に、もう一度ファイルを確認してください。"},
    {Message::WindowElevatedReport, "管理者として実行した修正の結果:"},
    {Message::Usage,
     "使い方: {check} [オプション] [ファイル]\n"
     "{dll} が設定ファイルから何を読み取るかを、その理由とともに表示します。\n"
     "\n"
     "ファイル\n"
     "    設定ファイル、DLL（その DLL が読む設定ファイルを調べます）、\n"
     "    またはフォルダー（その中の {dll} が読む設定ファイルを調べます）\n"
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
     "ダブルクリックで起動すると、結果をウィンドウに表示します。修正できる\n"
     "点があれば、［ファイルを修正する］ボタンで修正できます。\n"
     "\n"
     "終了コード:\n"
     "    0  どちらの値もファイルに書かれたとおり（修正後を含む）で、\n"
     "       確認が必要な点はない\n"
     "    1  確認が必要な点がある\n"
     "    2  コマンドラインの誤り\n"
     "    3  ファイルを修正できなかった（理由と、元のファイルが元の名前で\n"
     "       ない場合はその場所を、結果に表示します）\n"
     "    4  設定チェック自体が最後まで動作できなかった（メモリー不足、\n"
     "       または結果を書き出せなかった）\n"},
}};
