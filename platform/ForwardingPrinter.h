#pragma once

#include "platform/Printer.h"

namespace platform {

// A printer that passes every call on to another one; a printer that changes
// a few calls derives from it and overrides only those.
class ForwardingPrinter : public Printer {
public:
    explicit ForwardingPrinter(Printer& target) : m_target(target) {}

    bool begin(const PageFormat& paper) override { return m_target.begin(paper); }
    QMargins unprintableTwips() const override { return m_target.unprintableTwips(); }
    void setFontName(const QString& face) override { m_target.setFontName(face); }
    void setFontSize(double points) override { m_target.setFontSize(points); }
    void setFontStretch(int percent) override { m_target.setFontStretch(percent); }
    double textWidth(const QString& text) const override { return m_target.textWidth(text); }
    void setCurrentX(int twips) override { m_target.setCurrentX(twips); }
    void setCurrentY(int twips) override { m_target.setCurrentY(twips); }
    void print(const QString& text) override { m_target.print(text); }
    void printVertical(const QString& text) override { m_target.printVertical(text); }
    double verticalLength(const QString& text) const override {
        return m_target.verticalLength(text);
    }
    void newPage() override { m_target.newPage(); }
    bool endDoc() override { return m_target.endDoc(); }
    void fillRect(const QRect& twips) override { m_target.fillRect(twips); }
    QString errorText() const override { return m_target.errorText(); }
    QStringList fontNames() const override { return m_target.fontNames(); }
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override {
        m_target.drawLine(fromTwips, toTwips);
    }
    void drawGuide(const QRect& twips, int cornerRadiusTwips) override {
        m_target.drawGuide(twips, cornerRadiusTwips);
    }

protected:
    Printer& target() { return m_target; }

private:
    Printer& m_target;
};

} // namespace platform
