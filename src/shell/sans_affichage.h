// Start without a graphical session: velk notices it before Qt would abort, says so in
// French and ends with status 2, so a user reached over SSH knows what happened.
#pragma once

#include <QtGlobal>

namespace velk {

// The line said when there is no display (also the first line of start.sh's headless demo).
extern const char* const MessageSansAffichage;

// Exit status of velk when it cannot open a window.
constexpr int SortieSansAffichage = 2;

// True when Qt would find no display: on Linux, no platform chosen (QT_QPA_PLATFORM or a
// "-platform" argument) and neither DISPLAY nor WAYLAND_DISPLAY set. Null or empty values
// count as unset. Always false elsewhere.
bool AffichageAbsent(const char* plateforme, const char* display, const char* wayland,
                     int argc, const char* const* argv);

// Prints the line and a hint on running the program file (argv[1] when given) with
// velk-run, on stderr.
void DitSansAffichage(int argc, const char* const* argv);

// Guards the creation of QApplication: Qt's messages are held back meanwhile, and a fatal
// one (the platform plugin could not connect to the display) prints the line, the held
// back reason and ends the process with SortieSansAffichage instead of aborting. On
// destruction the held back messages go to the previous handler.
class GardeCreationApplication {
public:
    GardeCreationApplication(int argc, char** argv);
    ~GardeCreationApplication();
    GardeCreationApplication(const GardeCreationApplication&) = delete;
    GardeCreationApplication& operator=(const GardeCreationApplication&) = delete;
};

} // namespace velk
