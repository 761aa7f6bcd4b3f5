#pragma once

#include "data/RecordSet.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// A data control: it carries a record set on a record source and its current row, shows a
// navigator (first, previous, next, last, with a caption), and keeps the controls bound to it
// in step with the current row. Bound controls show the current row's fields and write their
// values into the row when the record set is updated; an emptied control writes Null.
//
// Windows name their data controls "dta..." so that setDataControls finds them.
class DataControl : public QWidget
{
    Q_OBJECT

public:
    explicit DataControl(const QString& objectName, QWidget* parent = nullptr);
    ~DataControl() override;

    void setDatabaseName(const QString& path);
    QString databaseName() const;
    void setRecordSource(const QString& source);
    QString recordSource() const;
    // Runs the record source again; the first row becomes current.
    bool refresh(StoreError* error);

    RecordSet* recordset() const;

    void setCaption(const QString& caption);
    QString caption() const;
    // Hidden data controls only feed combo-box lists.
    void setNavigatorVisible(bool visible);
    // Asked before a navigator button moves; returning false keeps the current row (the window
    // may save or drop unsaved edits first). The navigator stops at the first and last rows.
    void setMoveCheck(std::function<bool()> check);
    // Runs the move check; true when the current row may be left.
    bool mayLeaveRow();

    // Text boxes and check boxes show one field of the current row. Bindings may be made before
    // the first refresh; a field the record source lacks leaves its control unbound.
    void bind(QLineEdit* control, const QString& field);
    void bind(QPlainTextEdit* control, const QString& field);
    void bind(QCheckBox* control, const QString& field);
    // A combo box showing and writing its own text.
    void bind(QComboBox* control, const QString& field);
    // A combo box whose list is the rows of another data control: it shows listField and
    // writes the chosen row's boundListField into field.
    void bind(QComboBox* control, const QString& field, DataControl* list, const QString& listField,
              const QString& boundListField);

    // Writes the bound controls' values into the pending row (run by the record set's update);
    // controls that still show the row's value write nothing.
    void writeBoundControls();
    // Shows the current row's values in the bound controls again, dropping unsaved edits.
    void showCurrentRow();
    // True when a bound control differs from the current row.
    bool hasUnsavedEdits() const;

signals:
    void currentRowChanged(int row);

private:
    class Private;
    Private* d;
};
