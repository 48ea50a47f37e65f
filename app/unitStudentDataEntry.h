#pragma once
// The log-on dialog: first name, last name and ID of the student.
#include "app/StudentJournal.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace tv {

class MaskEdit;
class NagButton;

class TfrmStudentDataEntry : public QDialog {
    Q_OBJECT
public:
    // `identity` receives the three values and loggedOn on a complete
    // submission; `showStatus` puts the validation message in the main
    // window's status bar.
    TfrmStudentDataEntry(QWidget* parent, StudentIdentity& identity,
                         std::function<void(const QString&)> showStatus);

    QLineEdit* lblEditFirstName;
    QLineEdit* lblEditLastName;
    MaskEdit* lblEditID;
    NagButton* btnSubmit;

    static const QString incompleteMessage; // "Please Enter ALL information correctly"

public slots:
    void btnSubmitClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormActivate();
    StudentIdentity& identity_;
    std::function<void(const QString&)> showStatus_;
};

} // namespace tv
