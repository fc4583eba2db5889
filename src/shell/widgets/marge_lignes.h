// MargeLignes, the gutter at the left of the editor: the line numbers as the run's messages
// count them (the first header line is line 1) and, on the lines a run found faulty, a
// mark whose tooltip is the message. Only the lines in view are painted.
#pragma once

#include <QWidget>

namespace velk {

class Editeur;

class MargeLignes : public QWidget {
    Q_OBJECT
public:
    explicit MargeLignes(Editeur& editeur);

    // Wide enough for the largest line number, with room for the mark.
    int LargeurVoulue() const;
    QSize sizeHint() const override { return QSize(LargeurVoulue(), 0); }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    Editeur& editeur_;
};

} // namespace velk
