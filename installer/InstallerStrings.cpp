// Saved as UTF-8; the Windows build converts the literals to the ANSI code page 1252.
#include "installer/InstallerStrings.h"

#include "text/Text.h"

namespace tarv {
namespace installer {

const InstallerString InstallerStringTable[] = {
    // English
    {1, "TARV_class"},
    {2, "Tarvello"},
    {3, "Tarvello"},
    {4, "Select Model"},
    {5, "Voodoo5 6000"},
    {6, "Voodoo5 5500"},
    {7, "Voodoo5 5000"},
    {8, "Do not install"},
    {9, "Option"},
    {10, "Install under Advanced Panel"},
    {11, "Version "},
    {12, " English"},
    {13, "OK"},
    {14, "Cancel"},
    {15, "Install Error"},
    {16, "You must select a Voodoo5 model to install"},
    {17, "TARVPAGE.DLL"},
    {18, "Install Aborted\n\nTARVPAGE.DLL NOT FOUND: The TARVPAGE.dll must be in the same "
         "directory as the TARVINST.exe file for installation to complete."},
    {19, "Tarvello"},
    {20, "The Tarvello has been"},
    {21, "successfully installed on your system."},
    {22, "Tarvello could not be installed completely: the registry refused a change. On "
         "Windows NT and 2000, log on as an administrator and run TARVINST.EXE again."},
    {23, "Tarvello could not be removed completely: the registry refused a change. On "
         "Windows NT and 2000, log on as an administrator and run TARVINST.EXE again."},
    {24, "Tarvello"},
    {25, "The Tarvello is currently"},
    {26, "installed on your system. Do you wish"},
    {27, "to reinstall or remove it."},
    {29, "Re&install"},
    {30, "&Remove"},
    {31, "Tarvello"},
    {32, "The Tarvello has been"},
    {33, "successfully removed from your system."},

    // French
    {36, "TARV_class"},
    {37, "Tarvello"},
    {38, "Tarvello"},
    {39, "Choisissez votre modèle"},
    {40, "Voodoo5 6000"},
    {41, "Voodoo5 5500"},
    {42, "Voodoo5 5000"},
    {43, "Ne pas installer"},
    {44, "Option"},
    {45, "Installer dans la page de propriétés avancées"},
    {46, "Version "},
    {47, " Français"},
    {48, "OK"},
    {49, "Annuler"},
    {50, "Erreur d'installation"},
    {51, "Vous devez choisir un modèle de Voodoo5"},
    {52, "TARVPAGE.DLL"},
    {53, "Installation interrompue:\n\nLe fichier TARVPAGE.DLL est introuvable. Le fichier "
         "TARVPAGE.dll doit être dans le même répertoire que le fichier TARVINST.exe pour que "
         "l'installation puisse s'effectuer."},
    {54, "Tarvello"},
    {55, "Le Tarvello a été"},
    {56, "installé avec succès."},
    {57, "Le Tarvello n'a pas pu être installé entièrement : le registre a refusé une "
         "modification. Sous Windows NT et 2000, ouvrez une session d'administrateur et "
         "relancez TARVINST.EXE."},
    {58, "Le Tarvello n'a pas pu être supprimé entièrement : le registre a refusé une "
         "modification. Sous Windows NT et 2000, ouvrez une session d'administrateur et "
         "relancez TARVINST.EXE."},
    {59, "Tarvello"},
    {60, "Le Tarvello est déjà installé."},
    {61, "Voulez-vous le réinstaller ou le supprimer ?"},
    {62, " "},
    {64, "Ré&installer"},
    {65, "&Supprimer"},
    {66, "Tarvello"},
    {67, "Le Tarvello a été"},
    {68, "supprimé avec succès."},

    // German
    {71, "TARV_class"},
    {72, "Tarvello"},
    {73, "Tarvello"},
    {74, "Modell Wahl"},
    {75, "Voodoo5 6000"},
    {76, "Voodoo5 5500"},
    {77, "Voodoo5 5000"},
    {78, "Nicht installieren"},
    {79, "Option"},
    {80, "Bei Weitere Optionen eintragen"},
    {81, "Version "},
    {82, " Deutsch"},
    {83, "OK"},
    {84, "Abbruch"},
    {85, "Install Fehler"},
    {86, "Sie müssen ein Voodoo5 Karte haben"},
    {87, "TARVPAGE.DLL"},
    {88, "Installationsabbruch\n\nTARVPAGE.DLL NICHT GEFUNDEN : Die DLL Datei TARVPAGE.dll "
         "muss im selben Verzeichnis sein wie die TARVINST.exe"},
    {89, "Tarvello"},
    {90, "Der Tarvello wurde"},
    {91, "erfolgreich auf Ihrem System installiert."},
    {92, "Der Tarvello konnte nicht vollständig installiert werden: die Registrierung hat "
         "eine Änderung abgelehnt. Unter Windows NT und 2000 melden Sie sich als "
         "Administrator an und starten Sie TARVINST.EXE erneut."},
    {93, "Der Tarvello konnte nicht vollständig entfernt werden: die Registrierung hat eine "
         "Änderung abgelehnt. Unter Windows NT und 2000 melden Sie sich als Administrator "
         "an und starten Sie TARVINST.EXE erneut."},
    {94, "Tarvello"},
    {95, "Der Tarvello ist gerade"},
    {96, "installiert auf Ihrem System. Möchten Sie"},
    {97, "ihn reinstallieren oder entfernen."},
    {99, "Re&installieren"},
    {100, "&Entfernen"},
    {101, "Tarvello"},
    {102, "Der Tarvello wurde"},
    {103, "erfolgreich aus Ihrem System entfernt."},
};

const unsigned InstallerStringCount = sizeof InstallerStringTable / sizeof InstallerStringTable[0];

const char* FindInstallerString(unsigned number)
{
    for (unsigned i = 0; i < InstallerStringCount; ++i)
        if (InstallerStringTable[i].number == number) return InstallerStringTable[i].text;
    return 0;
}

bool BuiltInInstallerStrings::LoadInstallerString(unsigned number, char* buffer, unsigned size)
{
    const char* text = FindInstallerString(number);
    if (!text) {
        if (buffer && size) buffer[0] = 0;
        return false;
    }
    CopyText(buffer, size, text);
    return true;
}

}  // namespace installer
}  // namespace tarv
