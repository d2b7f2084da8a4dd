#pragma once

#include <QString>

// The texts of the open book's questions and warnings.
namespace session::texts {

// %1 the book's path.
inline constexpr char16_t ChangedOnDisk[] =
    u"住所録ファイル「%1」は、開いた後で別のウィンドウかプログラムによって変更されています。\n"
    u"「はい」：このまま上書きします（別の変更は失われます）\n"
    u"「いいえ」：別の名前で保存します\n"
    u"「キャンセル」：保存しません";
// %1 the file's path.
inline constexpr char16_t ReplaceOther[] =
    u"ファイル「%1」は既にあり、開いている住所録ではありません。\n"
    u"「はい」：上書きします\n"
    u"「いいえ」：別の名前で保存します\n"
    u"「キャンセル」：保存しません";
// %1 the book's path.
inline constexpr char16_t OpenElsewhere[] =
    u"住所録ファイル「%1」は別のTagoraでも開かれています。\n"
    u"両方で変更すると、後から保存するときに確認します。";
// %1 the book's path.
inline constexpr char16_t PlaceNotRemembered[] =
    u"住所録ファイル「%1」の場所は、設定ファイルに書けない文字を含むため記録できません。\n"
    u"次に起動したときは、このファイルを「開く」で開いて下さい。";
// %1 card number, %2 the card's name, %3 the field's label.
inline constexpr char16_t QuoteInField[] =
    u"%1件目のカード（%2）の「%3」に、保存できない文字「\"」があります。カードを直して下さい。";
// %1 card number, %2 the card's name, %3 the field's label, %4 the character.
inline constexpr char16_t UnencodableInField[] =
    u"%1件目のカード（%2）の「%3」に、保存できない文字 %4 があります。カードを直して下さい。";

// %1 what went wrong, naming the record's file.
inline constexpr char16_t RecordUnwritable[] =
    u"住所録は保存しましたが、年賀状の記録を保存できませんでした。\n%1";
// %1 what went wrong, naming the record's file.
inline constexpr char16_t RecordUnreadable[] = u"年賀状の記録を読めませんでした。\n%1";
// %1 what went wrong, naming the record's file.
inline constexpr char16_t SentNotMarked[] =
    u"印刷しましたが、年賀状の記録に「送った」を付けられませんでした。\n%1";
// %1 how many records.
inline constexpr char16_t RecordsUnmatched[] =
    u"年賀状の記録のうち %1 件は、住所録のどのカードにも合いません"
    u"（別のプログラムで宛名や住所が変わったようです）。\n"
    u"メイン画面の「記録から選択」→「記録の照合」で、カードに組み合わせるか削除して下さい。";

inline constexpr char16_t SaveAsTitle[] = u"名前をつけて保存";
inline constexpr char16_t SaveFilter[] =
    u"データ形式ファイル(*.dat)|*.dat|テキストファイル(*.csv)|*.csv";

} // namespace session::texts
