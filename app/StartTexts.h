#pragma once

#include "book/ReadError.h"

#include <QString>

// The start window's message texts and dialog filters.
namespace app::starttexts {

inline constexpr char16_t ListLimit[] = u"選択は300件までです。";
inline constexpr char16_t NoList[] = u"リストが選択されていません。";
// %1 the number of entries.
inline constexpr char16_t ClearListQuestion[] =
    u"選択リストの%1件をすべて消します。よろしいですか？";
// %1 the file's name.
inline constexpr char16_t OfferImport[] =
    u"「%1」は住所録の形式ではありません。住所を取り込んで（インポートして）住所録にしますか？";
inline constexpr char16_t CopyHint[] = u"データの複写をします。枚数の指定をして下さい。";
inline constexpr char16_t Converting[] = u"データーをTAGORA V2.* 形式にコンバートします。";
// %1 the copy of the original file.
inline constexpr char16_t ConvertingKeeps[] =
    u"元のファイルは「%1」として残します。よろしいですか？";
inline constexpr char16_t BookTooLarge[] = u"住所録は300件までです。";
inline constexpr char16_t CannotRead[] = u"ファイルを読み込めません。";
inline constexpr char16_t CannotWrite[] = u"ファイルを保存できません。";
inline constexpr char16_t CannotWriteSettings[] = u"設定ファイルを保存できません。";

// %1 the choice of 記録から選択.
inline constexpr char16_t NoneInRecord[] = u"「%1」に当たるカードはありません。";

inline constexpr char16_t NothingToImport[] = u"取り込める住所がありません。";
// %1 the cards that did not fit into the book of 300.
// The postal codes checked against the directory (郵便番号の確認, and after an import).
inline constexpr char16_t CodesDisagree[] =
    u"郵便番号が住所と合わないカードがあります（郵便番号簿による。住所録は変えていません）。";
inline constexpr char16_t CodesAgree[] =
    u"郵便番号簿でわかる限り、郵便番号はすべて住所と合っています。";
inline constexpr char16_t ImportDidNotFit[] = u"住所録は300件までです。%1件は取り込みません。";
inline constexpr char16_t ExportIsBook[] =
    u"開いている住所録そのものには書き出せません。別の名前を指定してください。";
// %1 the file's path.
inline constexpr char16_t ExportReplace[] = u"ファイル「%1」は既にあります。上書きしますか？";
inline constexpr char16_t ExportNeedsType[] =
    u"書き出すファイルの名前は .csv か .vcf で終えてください。";

inline constexpr char16_t OpenFilter[] = u"データファイル(*.dat)|*.dat|CSVファイル(*.csv)|*.csv";
inline constexpr char16_t SaveFilter[] =
    u"データ形式ファイル(*.dat)|*.dat|テキストファイル(*.csv)|*.csv";
inline constexpr char16_t ImportFilter[] =
    u"連絡先ファイル(*.vcf *.csv)|*.vcf *.csv|すべてのファイル(*)|*";
// The order is ExportFormat's: CSV, vCard 4.0, vCard 3.0, postcard programs' CSV.
inline constexpr char16_t ExportFilter[] =
    u"CSVファイル(*.csv)|*.csv|vCardファイル(*.vcf)|*.vcf|vCard 3.0 携帯電話用(*.vcf)|*.vcf|"
    u"はがきソフト用CSV シフトJIS(*.csv)|*.csv";

// The message for a book that could not be read: the capacity for a book
// that is too large, otherwise that the file cannot be read.
inline QString readFailure(const book::ReadError& error) {
    return QString::fromUtf16(error.kind == book::ReadError::TooManyCards ? BookTooLarge
                                                                          : CannotRead);
}

} // namespace app::starttexts
