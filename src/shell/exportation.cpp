// The export command: the drawing of the graphic tab, through its current view and with
// its hidden kinds, colours and layers left out, written to a PNG, SVG, PDF or DXF file
// whose type is chosen in the save dialog.
#include "shell/tf_principale.h"

#include "construction/dialogues.h"
#include "view/etat_vue.h"
#include "view/sortie_dessin.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace velk {

namespace {

struct TypeExport {
    FormatDessin format;
    const char* filtre;
};

constexpr std::array<TypeExport, 4> TypesExport = {{
    {FormatDessin::Png, "Image PNG (*.png)"},
    {FormatDessin::Svg, "Dessin SVG (*.svg)"},
    {FormatDessin::Pdf, "Document PDF (*.pdf)"},
    {FormatDessin::Dxf, "Dessin DXF (*.dxf)"},
}};

int IndexType(FormatDessin format) {
    for (size_t i = 0; i < TypesExport.size(); ++i)
        if (TypesExport[i].format == format) return static_cast<int>(i);
    return 0;
}

} // namespace

void TFPrincipale::ExporterClick() {
    QStringList filtres;
    for (const TypeExport& t : TypesExport)
        filtres << QString::fromUtf8(t.filtre);
    // The document's name without extension: the type chosen in the dialog adds its own.
    const QString base = QFileInfo(nomFichier_).completeBaseName();
    const QString propose = base.isEmpty() ? QStringLiteral("SansNom") : base;
    const ChoixFichierExporter choix = dialogues_.FichierExporter(
        QStringLiteral("Exporter le dessin"), DossierDocuments(), propose, filtres, typeExport_);
    if (choix.chemin.isEmpty()) return;

    // A name that ends in one of the four extensions says the type itself; any other name
    // gets the extension of the type chosen in the dialog.
    QString chemin = choix.chemin;
    std::optional<FormatDessin> format = FormatDuNom(chemin);
    if (!format) {
        format =
            TypesExport[size_t(std::clamp(choix.filtre, 0, int(TypesExport.size()) - 1))].format;
        if (!chemin.endsWith(QLatin1Char('.'))) chemin += QLatin1Char('.');
        chemin += ExtensionFormat(*format);
    }
    if (QFileInfo(chemin).isDir()) {
        dialogues_.Erreur(
            QStringLiteral("Impossible d'écrire le fichier « %1 » : c'est un dossier.")
                .arg(chemin));
        return;
    }
    if (QFileInfo::exists(chemin) &&
        dialogues_.Question(QStringLiteral("Remplacer fichier %1 ?").arg(chemin)) != Reponse::Oui)
        return;
    typeExport_ = IndexType(*format);

    occupe_->Debut();
    const std::string raison =
        EcritDessin(*format, chemin, vue_->VueEcran(), *donnees_, visibilite_);
    occupe_->Fin();
    if (!raison.empty()) dialogues_.Erreur(QString::fromStdString(raison));
}

} // namespace velk
