// MargeLignes: paints the numbers and marks of the blocks in view and answers tooltips
// over a mark with that line's message.
#include "shell/widgets/marge_lignes.h"

#include "shell/widgets/editeur.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

namespace velk {

MargeLignes::MargeLignes(Editeur& editeur) : QWidget(&editeur), editeur_(editeur)
{
    setObjectName(QStringLiteral("MargeLignes"));
    setAccessibleName(QStringLiteral("MargeLignes"));
}

int MargeLignes::LargeurVoulue() const
{
    int chiffres = 1;
    for (int n = qMax(1, editeur_.blockCount()); n >= 10; n /= 10)
        ++chiffres;
    chiffres = qMax(chiffres, 3);
    const int chiffre = fontMetrics().horizontalAdvance(QLatin1Char('9'));
    return 10 + chiffre * chiffres + 6;
}

void MargeLignes::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    peintre.fillRect(evenement->rect(), palette().color(QPalette::Window));
    const int hauteurLigne = fontMetrics().height();
    const QColor couleurNumero = palette().color(QPalette::PlaceholderText);
    const QColor couleurMarque(200, 30, 30);
    for (QTextBlock bloc = editeur_.PremierBlocVisible(); bloc.isValid(); bloc = bloc.next()) {
        const QRectF cadre = editeur_.CadreBloc(bloc);
        if (cadre.top() > evenement->rect().bottom())
            break;
        if (!bloc.isVisible() || cadre.bottom() < evenement->rect().top())
            continue;
        const QRect ligne(0, int(cadre.top()), width(), hauteurLigne);
        if (Editeur::EstMarque(bloc)) {
            peintre.fillRect(ligne.adjusted(0, 0, 0, -1), couleurMarque);
            peintre.setPen(Qt::white);
        } else {
            peintre.setPen(couleurNumero);
        }
        peintre.drawText(ligne.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(bloc.blockNumber() + 1));
    }
}

bool MargeLignes::event(QEvent* evenement)
{
    if (evenement->type() != QEvent::ToolTip)
        return QWidget::event(evenement);
    auto* aide = static_cast<QHelpEvent*>(evenement);
    const QString message = editeur_.MessageEnY(aide->pos().y());
    if (message.isEmpty()) {
        QToolTip::hideText();
        evenement->ignore();
    } else {
        QToolTip::showText(aide->globalPos(), message, this);
    }
    return true;
}

} // namespace velk
