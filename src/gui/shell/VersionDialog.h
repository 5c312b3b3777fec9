#pragma once

#include <QDialog>

/** The version dialog (resource 100): the program's icon, its version line and OK. */
class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(QWidget* parent = nullptr);
};
