// Measuring a printed PDF page the way a ruler would: the page is rendered by poppler's
// pdftoppm (poppler-utils) at 10 pixels per millimetre, without smoothing so that hairlines
// stay one pixel wide, and the box of every dark pixel is given in millimetres. Also reads
// the document's title with pdfinfo.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace velk::test {

struct EncrePage {
    bool lue = false;      // the page could be rendered
    bool encre = false;    // something dark is on it
    double largeurMM = 0;  // the page
    double hauteurMM = 0;
    // The box of the dark pixels, from the top-left corner of the page, pixel centres.
    double gaucheMM = 0, droiteMM = 0, hautMM = 0, basMM = 0;
    double LargeurEncre() const { return droiteMM - gaucheMM; }
    double HauteurEncre() const { return basMM - hautMM; }
};

inline bool OutilsPopplerPresents()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline EncrePage MesurePagePdf(const QString& pdf)
{
    constexpr double PixelsParMM = 10; // 254 dots per inch
    EncrePage r;
    QTemporaryDir dossier;
    const QString base = dossier.path() + QStringLiteral("/page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                                         QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                         QStringLiteral("no"), QStringLiteral("-singlefile"), pdf, base});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return r;
    QFile f(base + QStringLiteral(".pgm"));
    if (!f.open(QIODevice::ReadOnly))
        return r;
    const QByteArray d = f.readAll();
    // "P5\n<w> <h>\n255\n" then one byte per pixel.
    const QList<QByteArray> tete = d.left(64).split('\n');
    if (tete.size() < 4 || tete[0] != "P5")
        return r;
    const QList<QByteArray> taille = tete[1].split(' ');
    const int w = taille.value(0).toInt(), h = taille.value(1).toInt();
    const qsizetype debut = tete[0].size() + tete[1].size() + tete[2].size() + 3;
    if (w <= 0 || h <= 0 || d.size() < debut + qsizetype(w) * h)
        return r;
    r.lue = true;
    r.largeurMM = w / PixelsParMM;
    r.hauteurMM = h / PixelsParMM;
    int x0 = w, x1 = -1, y0 = h, y1 = -1;
    const auto* pixels = reinterpret_cast<const unsigned char*>(d.constData() + debut);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixels[qsizetype(y) * w + x] < 128) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    if (x1 < 0)
        return r;
    r.encre = true;
    r.gaucheMM = (x0 + 0.5) / PixelsParMM;
    r.droiteMM = (x1 + 0.5) / PixelsParMM;
    r.hautMM = (y0 + 0.5) / PixelsParMM;
    r.basMM = (y1 + 0.5) / PixelsParMM;
    return r;
}

// The "Title:" line of pdfinfo, or an empty text.
inline QString TitrePdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000))
        return {};
    for (const QString& ligne : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (ligne.startsWith(QStringLiteral("Title:")))
            return ligne.mid(6).trimmed();
    return {};
}

} // namespace velk::test
