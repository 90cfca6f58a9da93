#pragma once

#include <string>
#include <vector>

#include <QFrame>
#include <QStringList>
#include <QTimer>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTreeWidget;

namespace wazenie {

class Simulation;
class Station;

// The technical panel: the exchange log with its two buttons, the hand-made answers of
// "Symulacja ręczna " and the technical view of the exchange state.
class TechnicalPanel final : public QFrame {
    Q_OBJECT
public:
    TechnicalPanel(Station& station, Simulation& simulation, QWidget* parent);

    // The value column of the technical view; only cells whose text differs are written.
    void show_technical();

signals:
    // "Pauza wysyłania i odbioru" switched the exchange: the main-loop timer must follow.
    void exchange_pause_toggled();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* make_log();
    QWidget* make_manual();
    QWidget* make_view();
    void line_added(const std::string& line);
    void log_cleared();
    void show_pending_lines();
    void copy_manual_fields();

    Station& station_;
    Simulation& simulation_;
    // Lines logged while the panel was hidden are not shown one by one: the log is read again when
    // the panel appears, so a hidden panel costs nothing per exchange.
    bool stale_ = false;
    // Two lines per exchange, a hundred exchanges a second: they are shown a batch at a time.
    QStringList pending_lines_;
    QTimer pending_timer_;
    std::vector<std::string> shown_values_;

    QPlainTextEdit* log_ = nullptr;
    QSpinBox* x_ = nullptr;
    QSpinBox* b03_ = nullptr;
    QSpinBox* b45_ = nullptr;
    QSpinBox* b67_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QLineEdit* text_ = nullptr;
    QTreeWidget* view_ = nullptr;
};

}  // namespace wazenie
