// The start-up window shown while the main window and the tables are being prepared.
#pragma once

#include <QWidget>

namespace velk {

class TFSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFSplash(QWidget* parent = nullptr);

    // Centres the window on the screen and paints it at once.
    void AfficheMaintenant();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velk
