#pragma once

#include <QDialog>

#include "platform/Platform.h"

class QLabel;
class QPushButton;

namespace courtlog::ui {

// The about box: title, version, credit, description, disclaimer and the button that starts
// the system-information program. Made anew for every showing, in the language in use.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Platform& platform, QWidget* owner);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* version_;
    QLabel* credit_;
    QLabel* description_;
    QLabel* disclaimer_;
    QPushButton* sysInfo_;
};

}  // namespace courtlog::ui
