#pragma once

// My own sheet (自分の用紙): the figures printed on a sheet's package typed
// in, the sheet drawn to scale as they are typed, a test page for plain
// paper, and the sheet kept in the user's sheets file.
//
// makerEdit, partEdit    maker and product number or name ("自作" when no maker)
// paperCombo             the paper: A4, B5, A5, はがき, レター
// columnsEdit, rowsEdit  labels across and down
// widthEdit, heightEdit  one label's size, mm
// topEdit, leftEdit      the first label's distance from the paper's top and left edges, mm
// columnPitchEdit, rowPitchEdit  from one label's left (top) edge to the next one's, mm; empty:
// touching radiusEdit             corner radius, mm; empty: square picSheet               the sheet
// as typed, to scale; labels past the paper in red faultLabel             why the figures cannot be
// saved, naming the field (also marked red) testPageButton         試し印刷: outlines and rulers on
// plain paper, through the print dialog saveButton             保存: into the sheets file;
// closeButton closes without saving

#include "labels/SheetDraft.h"
#include "labels/SheetPicture.h"
#include "labels/UserSheets.h"
#include "ui/AppContext.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace labels {

class SheetEditor : public QWidget {
    Q_OBJECT

public:
    // editing: the user's sheet to change, or nullptr for a new one (its
    // figures start as the standard sheet's). onSaved receives the sheet
    // once the file holds it.
    SheetEditor(ui::AppContext& context, const QString& sheetsFile, const SheetTemplate* editing,
                std::function<void(const SheetTemplate&)> onSaved, QWidget* parent = nullptr);

    // The figures in the fields, as typed.
    SheetDraft draft() const;

private:
    void setFields(const SheetDraft& draft);
    void showFigures();
    void printTestPage();
    void saveSheet();

    ui::AppContext& m_context;
    QString m_sheetsFile;
    QString m_editingName;
    std::function<void(const SheetTemplate&)> m_onSaved;
    SheetDraftResult m_result;

    QLineEdit* makerEdit = nullptr;
    QLineEdit* partEdit = nullptr;
    QComboBox* paperCombo = nullptr;
    QLineEdit* columnsEdit = nullptr;
    QLineEdit* rowsEdit = nullptr;
    QLineEdit* widthEdit = nullptr;
    QLineEdit* heightEdit = nullptr;
    QLineEdit* topEdit = nullptr;
    QLineEdit* leftEdit = nullptr;
    QLineEdit* columnPitchEdit = nullptr;
    QLineEdit* rowPitchEdit = nullptr;
    QLineEdit* radiusEdit = nullptr;
    QHash<SheetField, QWidget*> m_fields;
    SheetPicture* picSheet = nullptr;
    QLabel* faultLabel = nullptr;
    QPushButton* testPageButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
};

} // namespace labels
