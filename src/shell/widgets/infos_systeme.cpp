// Facts for the About box, gathered from the account database, /etc/os-release, uname
// and /proc/meminfo. Sizes use the box's own unit of 1 024 000 bytes.
#include "shell/widgets/infos_systeme.h"

#include <QFile>
#include <QStringList>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace velk {

MemoireSysteme LitMeminfo(const QString& texte)
{
    std::uint64_t total = 0, disponible = 0, libre = 0, tampons = 0, cache = 0;
    std::uint64_t echange = 0, echangeLibre = 0;
    bool aDisponible = false;
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    for (const QString& ligne : lignes) {
        const int deuxPoints = ligne.indexOf(QLatin1Char(':'));
        if (deuxPoints <= 0)
            continue;
        const QString cle = ligne.left(deuxPoints).trimmed();
        const QStringList valeur =
            ligne.mid(deuxPoints + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (valeur.isEmpty())
            continue;
        bool ok = false;
        std::uint64_t n = valeur.first().toULongLong(&ok);
        if (!ok)
            continue;
        // Values are in kB (1024 bytes) when a unit is given.
        if (valeur.size() > 1 && valeur.at(1).compare(QLatin1String("kB"), Qt::CaseInsensitive) == 0)
            n *= 1024;
        if (cle == QLatin1String("MemTotal"))
            total = n;
        else if (cle == QLatin1String("MemAvailable")) {
            disponible = n;
            aDisponible = true;
        } else if (cle == QLatin1String("MemFree"))
            libre = n;
        else if (cle == QLatin1String("Buffers"))
            tampons = n;
        else if (cle == QLatin1String("Cached"))
            cache = n;
        else if (cle == QLatin1String("SwapTotal"))
            echange = n;
        else if (cle == QLatin1String("SwapFree"))
            echangeLibre = n;
    }
    MemoireSysteme m;
    m.totalPhysique = total;
    m.disponible = aDisponible ? disponible : libre + tampons + cache;
    if (m.disponible > total)
        m.disponible = total;
    m.totalEchange = echange;
    m.echangeLibre = echangeLibre > echange ? echange : echangeLibre;
    return m;
}

namespace {

// A value of os-release: the text after "=", without its quotes and escapes.
QString ValeurOsRelease(const QString& texte, QLatin1String cle)
{
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    for (const QString& brute : lignes) {
        const QString ligne = brute.trimmed();
        if (!ligne.startsWith(cle) || ligne.size() <= cle.size() || ligne.at(cle.size()) != QLatin1Char('='))
            continue;
        QString v = ligne.mid(cle.size() + 1).trimmed();
        if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
            v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        QString sortie;
        for (int i = 0; i < v.size(); ++i) {
            if (v.at(i) == QLatin1Char('\\') && i + 1 < v.size())
                ++i;
            sortie += v.at(i);
        }
        return sortie.trimmed();
    }
    return {};
}

} // namespace

QString LitOsRelease(const QString& texte)
{
    const QString joli = ValeurOsRelease(texte, QLatin1String("PRETTY_NAME"));
    if (!joli.isEmpty())
        return joli;
    const QString nom = ValeurOsRelease(texte, QLatin1String("NAME"));
    const QString version = ValeurOsRelease(texte, QLatin1String("VERSION_ID"));
    if (nom.isEmpty())
        return QStringLiteral("Linux");
    return version.isEmpty() ? nom : nom + QLatin1Char(' ') + version;
}

QString NomUtilisateur(const QString& gecos, const QString& login)
{
    const QString nom = gecos.section(QLatin1Char(','), 0, 0).trimmed();
    return nom.isEmpty() ? login : nom;
}

QString LigneSysteme(const QString& nomSysteme, const QString& noyau)
{
    return nomSysteme + QStringLiteral(" Version ") +
           (noyau.isEmpty() ? QStringLiteral("<aucun>") : noyau);
}

QString TailleMo(std::uint64_t octets)
{
    return QString::number(octets / 1024000u) + QStringLiteral(" Mo");
}

int ChargeMemoire(const MemoireSysteme& m)
{
    if (m.totalPhysique == 0)
        return 0;
    const std::uint64_t utilise = m.totalPhysique - m.disponible;
    return static_cast<int>(utilise * 100 / m.totalPhysique);
}

int ChargeEchange(const MemoireSysteme& m)
{
    // Under 100 bytes there is no swap to speak of (and the division below would be by 0).
    if (m.totalEchange < 100)
        return 0;
    const std::uint64_t centieme = m.totalEchange / 100;
    const std::uint64_t libre = m.echangeLibre / centieme;
    return libre >= 100 ? 0 : static_cast<int>(100 - libre);
}

namespace {

QString LitFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // Both files are small; the cap keeps a strange mount from stalling the box.
    return QString::fromUtf8(f.read(256 * 1024));
}

} // namespace

InfosSysteme InfosDuSysteme(const QString& titreApplication)
{
    InfosSysteme infos;
    infos.titre = titreApplication;

    QString login = qEnvironmentVariable("USER");
    QString gecos;
    if (const passwd* compte = getpwuid(getuid())) {
        if (compte->pw_name)
            login = QString::fromLocal8Bit(compte->pw_name);
        if (compte->pw_gecos)
            gecos = QString::fromLocal8Bit(compte->pw_gecos);
    }
    infos.utilisateur = NomUtilisateur(gecos, login);
    // Linux keeps no organisation for its users; some set ORGANIZATION for mail and news.
    infos.societe = qEnvironmentVariable("ORGANIZATION").trimmed();

    QString osRelease = LitFichier(QStringLiteral("/etc/os-release"));
    if (osRelease.isEmpty())
        osRelease = LitFichier(QStringLiteral("/usr/lib/os-release"));
    utsname u{};
    const QString noyau = uname(&u) == 0 ? QString::fromLocal8Bit(u.release) : QString();
    infos.os = LigneSysteme(LitOsRelease(osRelease), noyau);

    infos.memoire = LitMeminfo(LitFichier(QStringLiteral("/proc/meminfo")));
    return infos;
}

} // namespace velk
