// TFSaisie: Enter checks the value by mode and closes the dialog only when it is
// accepted; Escape abandons at once; any other key goes to the field as typed.
#include "construction/qt/saisie.h"

#include "construction/saisie_valeur.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace velk {

namespace {
constexpr int kEntree = 13;
constexpr int kEchap = 27;

// The value field. When the dialog opens with a first character already typed, taking
// the focus must not select it, or the next key would replace it.
class ChampSaisie : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool garderCurseur = false;

protected:
    void focusInEvent(QFocusEvent* evenement) override
    {
        QLineEdit::focusInEvent(evenement);
        if (garderCurseur) {
            deselect();
            end(false);
        }
    }
};

} // namespace

TFSaisie::TFSaisie(Dialogues& dialogues, QWidget* principale)
    : QDialog(principale), dialogues_(dialogues), principale_(principale)
{
    setWindowTitle(QStringLiteral("Saisir valeur"));
    // Fixed border and a title without buttons: Enter or Escape are the only ways out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(292, 24);

    texte_ = new QLabel(this);
    texte_->setGeometry(2, 0, 162, 24);
    edit_ = new ChampSaisie(this);
    edit_->setGeometry(166, 1, 121, 22);
    edit_->installEventFilter(this);
}

QPoint TFSaisie::Placement(const QRect& principale, const QSize& propre)
{
    return {principale.left() + principale.width() - propre.width() - 4,
            principale.top() + principale.height() - propre.height() - 4};
}

void TFSaisie::Prepare(const QString& libelle, int mode, QChar premierCaractere)
{
    texte_->setText(libelle);
    mode_ = mode;
    toucheSortie_ = 0;
    valeurValide_ = false;
    edit_->clear();
    static_cast<ChampSaisie*>(edit_)->garderCurseur = !premierCaractere.isNull();
    if (!premierCaractere.isNull()) {
        // The key typed in the drawing starts the value; the user types on after it.
        edit_->setText(QString(premierCaractere));
        edit_->deselect();
        edit_->setCursorPosition(1);
    }
    edit_->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> TFSaisie::Demande(const QString& libelle, int mode,
                                         QChar premierCaractere)
{
    Prepare(libelle, mode, premierCaractere);
    exec();
    if (toucheSortie_ != kEntree)
        return std::nullopt;
    return edit_->text();
}

void TFSaisie::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (principale_) {
        const QRect cadre = principale_->frameGeometry();
        move(Placement(cadre, frameGeometry().size()));
    }
    // The dialog takes the keyboard at once: the user goes on typing the value whose first
    // character was typed in the drawing.
    raise();
    activateWindow();
    if (!edit_->hasFocus())
        edit_->setFocus(Qt::OtherFocusReason);
}

// The window manager's close box, if it offers one, counts as Escape.
void TFSaisie::reject()
{
    toucheSortie_ = kEchap;
    QDialog::reject();
}

void TFSaisie::done(int resultat)
{
    static_cast<ChampSaisie*>(edit_)->garderCurseur = false;
    QDialog::done(resultat);
}

bool TFSaisie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == edit_ && evenement->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        switch (touche->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EditSaisieKeyPress(kEntree);
            return true;
        case Qt::Key_Escape:
            EditSaisieKeyPress(kEchap);
            return true;
        default: {
            const QString t = touche->text();
            toucheSortie_ = t.isEmpty() ? 0 : (t.at(0).unicode() & 0xFF);
            return false;
        }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TFSaisie::EditSaisieKeyPress(int touche)
{
    toucheSortie_ = touche;
    if (touche == kEchap) {
        reject();
        return;
    }
    const QString s = edit_->text();
    const VerdictSaisie verdict = VerifieSaisie(s, mode_);
    valeurValide_ = verdict == VerdictSaisie::Valide;
    if (verdict == VerdictSaisie::ErreurConversion) {
        toucheSortie_ = 0;
        dialogues_.Erreur(MessageConversion(s));
    } else if (verdict == VerdictSaisie::Incorrecte) {
        toucheSortie_ = 0;
        dialogues_.Avertissement(MessageRefus(mode_));
    }
    if (toucheSortie_ == kEntree)
        accept();
    else
        edit_->setFocus(Qt::OtherFocusReason);
}

} // namespace velk
