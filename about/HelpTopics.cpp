#include "about/HelpTopics.h"

using namespace Qt::StringLiterals;

namespace about {

QString helpPage(platform::HelpViewer::Command command, int context) {
    if (command == platform::HelpViewer::Command::Context) {
        switch (context) {
        case 8:
            return u"qrc:/help/print.html"_s;
        case 9:
            return u"qrc:/help/font.html"_s;
        case 12:
            return u"qrc:/help/sheet.html"_s;
        default:
            break;
        }
    }
    return u"qrc:/help/index.html"_s;
}

QStringList helpPages() {
    return {
        u"qrc:/help/index.html"_s,    u"qrc:/help/start.html"_s,    u"qrc:/help/editor.html"_s,
        u"qrc:/help/sheet.html"_s,    u"qrc:/help/order.html"_s,    u"qrc:/help/single.html"_s,
        u"qrc:/help/print.html"_s,    u"qrc:/help/font.html"_s,     u"qrc:/help/position.html"_s,
        u"qrc:/help/jobs.html"_s,     u"qrc:/help/exchange.html"_s, u"qrc:/help/labelsheets.html"_s,
        u"qrc:/help/vertical.html"_s, u"qrc:/help/warnings.html"_s};
}

} // namespace about
