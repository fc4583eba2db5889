// Shared by the main-window tests: a window on a private temporary program folder, driven
// through scripted dialogs, with helpers to set the text and read files.
#pragma once

#include "shell/editor/outils_widgets.h"
#include "support/dialogues_scriptes.h"

#include "shell/tf_principale.h"
#include "shell/widgets/editeur.h"
#include "store/module_donnee.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velk::test {

using G = GenreDialogue;

class FenetreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        ASSERT_TRUE(dossier_.isValid());
        qputenv("VELK_DOSSIER", dossier_.path().toUtf8());
    }

    // The folder as the window knows it, with its final "/".
    QString Dossier() const { return dossier_.path() + QLatin1Char('/'); }
    QString Chemin(const QString& nom) const { return Dossier() + nom; }

    // Creates the window and runs its show step (tables, view, first run, recovery).
    TFPrincipale& Demarre(const QString& fichierLigneCommande = QString())
    {
        Cree(fichierLigneCommande);
        fenetre_->show();
        fenetre_->EtapeAffichage();
        return *fenetre_;
    }
    TFPrincipale& Cree(const QString& fichierLigneCommande = QString())
    {
        fenetre_.reset(); // one window at a time: it holds the folder's lock
        fenetre_ = std::make_unique<TFPrincipale>(dialogues_, Dossier(), QStringLiteral("Velk"));
        fenetre_->resize(800, 600);
        if (!fichierLigneCommande.isEmpty())
            fenetre_->SetFichierLigneCommande(fichierLigneCommande);
        return *fenetre_;
    }

    // Replaces the text by these lines, as typing would (the text is then modified).
    void Texte(const std::vector<std::string>& lignes)
    {
        ListeLignes& l = fenetre_->Lignes();
        l.Vide();
        for (const std::string& s : lignes)
            l.AjouteLigne(s);
        l.SetModifie(true);
    }
    std::vector<std::string> Lignes() const
    {
        std::vector<std::string> r;
        for (int k = 0; k < fenetre_->Lignes().NombreLignes(); ++k)
            r.push_back(fenetre_->Lignes().Ligne(k));
        return r;
    }
    static QByteArray Lit(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Ecrit(const QString& chemin, const QByteArray& contenu)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

    QTemporaryDir dossier_;
    DialoguesScriptes dialogues_;
    std::unique_ptr<TFPrincipale> fenetre_;
};

} // namespace velk::test
