#pragma once

#include <QDialog>
#include <QStringList>

namespace wazenie {

// "O programie...": what the program is and which version, with the way to its help page.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    // The lines under the program's name and version.
    TAboutBox(const QString& object_name, const QStringList& lines, QWidget* parent);
};

// The box opened from the main window's logo: the same picture with a word on who looks after the
// station.
class TAboutBox_maker : public TAboutBox {
    Q_OBJECT

public:
    explicit TAboutBox_maker(QWidget* parent = nullptr);
};

}  // namespace wazenie
