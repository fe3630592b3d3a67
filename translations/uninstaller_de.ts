<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>UninstallFunctions</name>
    <message>
        <source>Unable to copy log to temp folder.</source>
        <translation>Das Protokoll konnte nicht in den temporären Ordner kopiert werden.</translation>
    </message>
    <message>
        <source>Unable to copy uninstaller to temp folder.</source>
        <translation>Das Deinstallationsprogramm konnte nicht in den temporären Ordner kopiert werden.</translation>
    </message>
    <message>
        <source>Unable to read the install log.</source>
        <translation>Das Installationsprotokoll kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 was successfully uninstalled.</source>
        <translation>%1 wurde erfolgreich deinstalliert.</translation>
    </message>
    <message>
        <source>You may need to restart your computer before all changes take effect.</source>
        <translation>Eventuell müssen Sie Ihren Computer neu starten, damit alle Änderungen wirksam werden.</translation>
    </message>
    <message>
        <source>The install log %1 is damaged: it does not name the installation folder.</source>
        <translation>Das Installationsprotokoll %1 ist beschädigt: Es nennt den Installationsordner nicht.</translation>
    </message>
    <message>
        <source>The install log %1 names the folder %2, not the folder the uninstaller was started from.</source>
        <translation>Das Installationsprotokoll %1 nennt den Ordner %2 und nicht den Ordner, aus dem das Deinstallationsprogramm gestartet wurde.</translation>
    </message>
    <message>
        <source>The folder %1 is not a Quillby installation folder.</source>
        <translation>Der Ordner %1 ist kein Installationsordner von Quillby.</translation>
    </message>
    <message>
        <source>Nothing was removed.</source>
        <translation>Es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>uninstaller::frmMain</name>
    <message>
        <source>Uninstall...</source>
        <translation>Deinstallieren...</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>In Arbeit...</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This process will uninstall %1...</source>
        <translation>Dieser Vorgang deinstalliert %1...</translation>
    </message>
    <message>
        <source>No Install Log Found.</source>
        <translation>Kein Installationsprotokoll gefunden.</translation>
    </message>
    <message>
        <source>Expected location: %1</source>
        <translation>Erwarteter Ort: %1</translation>
    </message>
    <message>
        <source>The uninstallation can not continue.</source>
        <translation>Die Deinstallation kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %1?</source>
        <translation>Möchten Sie %1 wirklich deinstallieren?</translation>
    </message>
</context>
</TS>
