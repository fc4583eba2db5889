// Shared by the widget tests of this folder: one QApplication for the whole test
// program, and key presses sent straight to a widget (through its event filters).
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace velk::test {

inline QApplication& Application()
{
    static int argc = 1;
    static char nom[] = "velk-tests";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = QApplication::instance()
                                   ? qobject_cast<QApplication*>(QApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

inline void Touche(QWidget* cible, int touche, const QString& texte = QString(),
                   Qt::KeyboardModifiers modificateurs = Qt::NoModifier)
{
    QKeyEvent appui(QEvent::KeyPress, touche, modificateurs, texte);
    QApplication::sendEvent(cible, &appui);
    QKeyEvent relache(QEvent::KeyRelease, touche, modificateurs, texte);
    QApplication::sendEvent(cible, &relache);
}

// Types printable ASCII text one key at a time.
inline void Tape(QWidget* cible, const QString& texte)
{
    for (QChar c : texte)
        Touche(cible, c.toUpper().unicode(), QString(c));
}

} // namespace velk::test
