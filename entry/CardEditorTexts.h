#pragma once

#include <QString>

// The card editor's messages and the record counter's mark of a new card.
namespace entry::editortexts {

inline const QString NewSuffix = QStringLiteral("新規");
inline const QString SavePromptText = QStringLiteral("内容が変更されています、保存しますか…?");
inline const QString DiscardPromptText =
    QStringLiteral("このカードは未登録です。破棄して戻りますか?。");
inline const QString DiscardTitle = QStringLiteral("Book Database");
inline const QString NotRegisteredText = QStringLiteral("登録されていません。");
inline const QString DeletePromptText = QStringLiteral("このカードを削除します。");
inline const QString DeleteTitle = QStringLiteral("Tagora Ver.3.1");
inline const QString NothingToListText = QStringLiteral("表示するデータがありません。");
inline const QString SaveChangesText = QStringLiteral("変更した内容を保存しますか…?");
inline const QString RegisterNewText = QStringLiteral("新規カードを登録しますか？");
inline const QString SaveAsPromptText = QStringLiteral("ファイル名をつけて保存しますか…?");
inline const QString UnreadableBookText = QStringLiteral("住所録ファイルを読み込めません。");
inline const QString DiscardChangesText =
    QStringLiteral("保存していない変更があります。保存せずに戻りますか？");
inline const QString WriteFailedText = QStringLiteral("住所録ファイルに保存できませんでした。");

} // namespace entry::editortexts
