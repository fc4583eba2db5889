// LignesEditeur presents the editor's text as the numbered line list the run and the
// document commands work on. A run reads every line of texts of hundreds of thousands
// of lines, so a sequential reading takes the whole text once, as UTF-8 with the start of
// each line, and serves the lines from that copy until the text changes.
#pragma once

#include "language/interfaces.h"

#include <QMetaObject>
#include <QTextBlock>

#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace velk {

// UTF-8 to QString keeping every character. QString::fromUtf8 drops a U+FEFF at the start,
// but in a line of the program it is text (the file's own byte-order mark was already taken
// off when the file was read): dropping it would lose one mark at every save.
QString DepuisUtf8(std::string_view utf8);

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
    // What identifies the state of the document the copy was taken from.
    struct Etat {
        const void* document = nullptr;
        int blocs = -1;
        int revision = -1;
        bool operator==(const Etat& o) const
        {
            return document == o.document && blocs == o.blocs && revision == o.revision;
        }
    };
    Etat EtatActuel() const;
    bool CopieValide() const;
    int NombreLignesDocument() const;
    void PrendCopie() const;
    void Oublie() const;
    QTextBlock Bloc(int k) const;

    QPlainTextEdit& editeur_;
    mutable std::string copie_;          // the text in UTF-8, lines ended by '\n'
    mutable std::vector<std::size_t> debuts_; // start of each line in copie_, plus the end
    mutable bool copieFaite_ = false;
    mutable int lignesCopie_ = 0;        // NombreLignes when the copy was taken
    mutable Etat etatCopie_;
    mutable int dernierLu_ = -2;          // to notice a sequential reading
    QMetaObject::Connection changement_;
};

} // namespace velk
