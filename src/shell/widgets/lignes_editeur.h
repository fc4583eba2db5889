// LignesEditeur presents the editor's text as the numbered line list the run and the
// document commands work on. Reading is sequential-fast: a run walks every line of a
// text of hundreds of thousands of lines, so the last block read is kept and the next
// line is found from it in constant time.
#pragma once

#include "language/interfaces.h"

#include <QMetaObject>
#include <QTextBlock>

class QPlainTextEdit;

namespace velk {

class LignesEditeur : public ListeLignes {
public:
    explicit LignesEditeur(QPlainTextEdit& editeur);
    ~LignesEditeur() override;
    LignesEditeur(const LignesEditeur&) = delete;
    LignesEditeur& operator=(const LignesEditeur&) = delete;

    // A text ending with a line break has no extra empty line after it, and an empty
    // text has no line at all.
    int NombreLignes() const override;
    std::string Ligne(int k) const override;
    void InsereLigne(int k, const std::string& texte) override;
    void SupprimeLigne(int k) override;
    void AjouteLigne(const std::string& texte) override;
    void Vide() override;
    bool Modifie() const override;
    void SetModifie(bool modifie) override;
    void EffaceHistorique() override;

    // Replaces the whole text at once (opening a document): far faster than line by line.
    void DefinitTexte(const QString& texte);
    // The whole text, lines separated by "\n".
    QString Texte() const;

private:
    QTextBlock Bloc(int k) const;

    QPlainTextEdit& editeur_;
    // Last block read and its number; forgotten at every change of the document.
    mutable QTextBlock dernier_;
    mutable int numeroDernier_ = -1;
    QMetaObject::Connection changement_;
};

} // namespace velk
