#pragma once

#include "book/ReadError.h"

#include <QString>

// The start window's message texts and dialog filters.
namespace app::starttexts {

inline constexpr char16_t ListLimit[] = u"選択は300件までです。";
inline constexpr char16_t NoList[] = u"リストが選択されていません。";
inline constexpr char16_t CopyHint[] = u"データの複写をします。枚数の指定をして下さい。";
inline constexpr char16_t Converting[] = u"データーをTAGORA V2.* 形式にコンバートします。";
// %1 the copy of the original file.
inline constexpr char16_t ConvertingKeeps[] =
    u"元のファイルは「%1」として残します。よろしいですか？";
inline constexpr char16_t BookTooLarge[] = u"住所録は300件までです。";
inline constexpr char16_t CannotRead[] = u"ファイルを読み込めません。";
inline constexpr char16_t CannotWrite[] = u"ファイルを保存できません。";
inline constexpr char16_t CannotWriteSettings[] = u"設定ファイルを保存できません。";

inline constexpr char16_t OpenFilter[] = u"データファイル(*.dat)|*.dat|CSVファイル(*.csv)|*.csv";
inline constexpr char16_t SaveFilter[] = u"データ形式ファイル(*.dat)|*.dat|テキストファイル(*.csv)|*.csv";

// The message for a book that could not be read: the capacity for a book
// that is too large, otherwise that the file cannot be read.
inline QString readFailure(const book::ReadError& error) {
    return QString::fromUtf16(error.kind == book::ReadError::TooManyCards ? BookTooLarge : CannotRead);
}

} // namespace app::starttexts
