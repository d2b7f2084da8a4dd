#include "about/VersionInfo.h"

using namespace Qt::StringLiterals;

namespace about {

QString productTitle() {
    return u"Tagora 宛名ラベル印刷"_s;
}

QString versionText() {
    return u"Ver 3.0"_s;
}

QString bannerLine() {
    return u"住所録から宛名ラベルとはがきを印刷します"_s;
}

QString copyrightText() {
    return u"Copyright (C) Tagora の開発者"_s + u'\n' + u"連絡先: info@tagora.example.jp"_s +
           u'\n' + QStringLiteral(TAGORA_HOME_PAGE);
}

} // namespace about
