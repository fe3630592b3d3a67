<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>SetupFunctions</name>
    <message>
        <source>Invalid Installation Scenerio.</source>
        <translation>Ungültige Installationssituation.</translation>
    </message>
    <message>
        <source>If you are attempting to perform this installation from a CD or other write-protected drive, please move the installation package to the root folder of the computer.  This is usually the C:\</source>
        <translation>Wenn Sie diese Installation von einer CD oder einem anderen schreibgeschützten Laufwerk aus durchführen, verschieben Sie das Installationspaket bitte in den Stammordner des Computers.  Das ist normalerweise C:\</translation>
    </message>
    <message>
        <source>If the package is already on the local drive, make sure your computer administrator has given you rights to create, edit, and delete files, as well as install programs and register .dll and .ocx files</source>
        <translation>Wenn das Paket bereits auf dem lokalen Laufwerk liegt, stellen Sie sicher, dass Ihr Computeradministrator Ihnen das Recht gegeben hat, Dateien anzulegen, zu bearbeiten und zu löschen sowie Programme zu installieren und .dll- und .ocx-Dateien zu registrieren</translation>
    </message>
</context>
<context>
    <name>setup::frmBrowseFolders</name>
    <message>
        <source>Locate Folder</source>
        <translation>Ordner suchen</translation>
    </message>
    <message>
        <source>Install Folder</source>
        <translation>Installationsordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept Folder</source>
        <translation>Ordner übernehmen</translation>
    </message>
</context>
<context>
    <name>setup::frmFirst</name>
    <message>
        <source>Corvale Installer</source>
        <translation>Corvale-Installationsprogramm</translation>
    </message>
    <message>
        <source>Install Powered By Corvale Software</source>
        <translation>Installation von Corvale Software</translation>
    </message>
    <message>
        <source>You are about to install %1</source>
        <translation>Sie installieren jetzt %1</translation>
    </message>
    <message>
        <source>This wizzard will guide you through the installation.</source>
        <translation>Dieser Assistent führt Sie durch die Installation.</translation>
    </message>
    <message>
        <source>An Internet connection may be required.</source>
        <translation>Eventuell wird eine Internetverbindung benötigt.</translation>
    </message>
    <message>
        <source>Continue &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>setup::frmLicense</name>
    <message>
        <source>End-User License</source>
        <translation>Endbenutzer-Lizenz</translation>
    </message>
    <message>
        <source>Please read the License Agreement before continuing...</source>
        <translation>Bitte lesen Sie den Lizenzvertrag, bevor Sie fortfahren...</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvertrag</translation>
    </message>
    <message>
        <source>I have read and accept all parts of the license agreement.</source>
        <translation>Ich habe den Lizenzvertrag gelesen und akzeptiere ihn in allen Teilen.</translation>
    </message>
    <message>
        <source>Continue &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>LICENSE ACCEPTANCE.</source>
        <translation>ANNAHME DER LIZENZ.</translation>
    </message>
    <message>
        <source>BY CLICKING THE &apos;CONTINUE&apos; BUTTON OR BY USING THE SOFTWARE, YOU AGREE TO BECOME BOUND BY THE TERMS OF THIS LICENSE. </source>
        <translation>INDEM SIE AUF DIE SCHALTFLÄCHE „WEITER“ KLICKEN ODER DIE SOFTWARE BENUTZEN, ERKLÄREN SIE SICH MIT DEN BEDINGUNGEN DIESER LIZENZ EINVERSTANDEN UND SIND AN SIE GEBUNDEN. </translation>
    </message>
    <message>
        <source>This license entitles the user to install one (1) copy of the Software on one (1) computer. The Software contains trade secrets and, to protect them, you may not:</source>
        <translation>Diese Lizenz berechtigt den Benutzer, eine (1) Kopie der Software auf einem (1) Computer zu installieren. Die Software enthält Geschäftsgeheimnisse; um sie zu schützen, dürfen Sie nicht:</translation>
    </message>
    <message>
        <source>REVERSE ENGINEER, DECOMPILE, DISASSEMBLE OR OTHERWISE REDUCE THE SOFTWARE TO ANY HUMAN PERCEIVABLE FORM. </source>
        <translation>DIE SOFTWARE ZURÜCKENTWICKELN, DEKOMPILIEREN, DISASSEMBLIEREN ODER AUF ANDERE WEISE IN EINE FÜR MENSCHEN LESBARE FORM BRINGEN. </translation>
    </message>
    <message>
        <source>YOU MAY NOT MODIFY, ADAPT, TRANSLATE, RENT, LEASE, LOAN OR CREATE DERIVATIVE WORKS BASED UPON THE SOFTWARE OR ANY PART THEREOF. </source>
        <translation>SIE DÜRFEN DIE SOFTWARE ODER TEILE DAVON NICHT VERÄNDERN, ANPASSEN, ÜBERSETZEN, VERMIETEN, VERLEASEN, VERLEIHEN ODER ABGELEITETE WERKE DARAUF AUFBAUEN. </translation>
    </message>
    <message>
        <source>LICENSE TERMS</source>
        <translation>LIZENZBEDINGUNGEN</translation>
    </message>
    <message>
        <source>These License Terms govern your Use of %1</source>
        <translation>Diese Lizenzbedingungen regeln Ihre Nutzung von %1</translation>
    </message>
    <message>
        <source>2. License Grant.</source>
        <translation>2. Lizenzerteilung.</translation>
    </message>
    <message>
        <source>Corvale Software grants you a licence to install and use one copy of the Software on one computer, for your own use at home, as long as you keep to these terms.</source>
        <translation>Corvale Software erteilt Ihnen eine Lizenz, eine Kopie der Software auf einem Computer zu installieren und für Ihren eigenen Gebrauch zu Hause zu nutzen, solange Sie diese Bedingungen einhalten.</translation>
    </message>
    <message>
        <source>3. Ownership.</source>
        <translation>3. Eigentum.</translation>
    </message>
    <message>
        <source>The Software, its pictures and sounds and every copy of them remain the property of Corvale Software and its suppliers. You own the computer and the word lists you type in, not the Software itself.</source>
        <translation>Die Software, ihre Bilder und Klänge und jede Kopie davon bleiben Eigentum von Corvale Software und ihren Zulieferern. Ihnen gehören der Computer und die Wörterlisten, die Sie eingeben, nicht aber die Software selbst.</translation>
    </message>
    <message>
        <source>4. Copies and Adaptations.</source>
        <translation>4. Kopien und Anpassungen.</translation>
    </message>
    <message>
        <source>You may make copies of the Software only to keep as a backup or for archiving. You may not place the Software or any copy of it on a public network, a shared server or a web site.</source>
        <translation>Sie dürfen Kopien der Software nur als Sicherung oder zur Archivierung anfertigen. Sie dürfen die Software oder eine Kopie davon nicht in ein öffentliches Netz, auf einen gemeinsam genutzten Server oder auf eine Website stellen.</translation>
    </message>
    <message>
        <source>5. No Disassembly.</source>
        <translation>5. Keine Disassemblierung.</translation>
    </message>
    <message>
        <source>You may not take the Software apart, decompile or disassemble it, or otherwise study or analyse how it works inside, except where the law allows this in spite of this term.</source>
        <translation>Sie dürfen die Software nicht zerlegen, dekompilieren oder disassemblieren und auch nicht auf andere Weise untersuchen oder analysieren, wie sie im Inneren arbeitet, außer soweit das Gesetz dies trotz dieser Bestimmung erlaubt.</translation>
    </message>
    <message>
        <source>6. Transfer.</source>
        <translation>6. Weitergabe.</translation>
    </message>
    <message>
        <source>Your licence ends when you give the Software to someone else. Before that, you must hand over the Software with all its copies and these terms, and the new user must accept these terms before using it.</source>
        <translation>Ihre Lizenz endet, wenn Sie die Software an jemand anderen weitergeben. Dabei müssen Sie die Software mit allen Kopien und diesen Bedingungen übergeben, und der neue Benutzer muss diese Bedingungen annehmen, bevor er die Software benutzt.</translation>
    </message>
    <message>
        <source>7. Termination.</source>
        <translation>7. Beendigung.</translation>
    </message>
    <message>
        <source>Corvale Software may end this licence if you break any of its terms. When the licence ends, you must stop using the Software and destroy or delete every copy of it that you have.</source>
        <translation>Corvale Software kann diese Lizenz beenden, wenn Sie gegen eine ihrer Bedingungen verstoßen. Wenn die Lizenz endet, müssen Sie die Software nicht mehr benutzen und jede Kopie davon, die Sie besitzen, vernichten oder löschen.</translation>
    </message>
    <message>
        <source>8. Export Requirements.</source>
        <translation>8. Ausfuhrbestimmungen.</translation>
    </message>
    <message>
        <source>You may not export or re-export the Software or any copy of it except as the export laws and regulations that apply to you allow.</source>
        <translation>Sie dürfen die Software oder eine Kopie davon nur so ausführen oder wieder ausführen, wie es die für Sie geltenden Ausfuhrgesetze und -vorschriften erlauben.</translation>
    </message>
</context>
<context>
    <name>setup::frmMessage</name>
    <message>
        <source>Complete...</source>
        <translation>Fertig...</translation>
    </message>
    <message>
        <source>Installation Complete</source>
        <translation>Installation abgeschlossen</translation>
    </message>
</context>
<context>
    <name>setup::frmPromptADO</name>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Required Component Missing</source>
        <translation>Benötigte Komponente fehlt</translation>
    </message>
    <message>
        <source>In order for this program to function correctly, your computer must have Microsoft MDAC 2.5 or higher installed.  This is a free component available from Microsoft.  Broadband users can usually download the required file in under 2 minutes. Dial-Up connections may take as long as 20 minutes.</source>
        <translation>Damit dieses Programm richtig funktioniert, muss auf Ihrem Computer Microsoft MDAC 2.5 oder höher installiert sein.  Diese Komponente ist kostenlos bei Microsoft erhältlich.  Mit einem Breitbandanschluss ist die benötigte Datei meist in weniger als 2 Minuten heruntergeladen. Über eine Einwahlverbindung kann es bis zu 20 Minuten dauern.</translation>
    </message>
    <message>
        <source>Please Make A Selection</source>
        <translation>Bitte treffen Sie eine Auswahl</translation>
    </message>
    <message>
        <source>Install MDAC 2.5   (Recommended)</source>
        <translation>MDAC 2.5 installieren   (empfohlen)</translation>
    </message>
    <message>
        <source>Continue the installation without MDAC, and install MDAC manually later</source>
        <translation>Installation ohne MDAC fortsetzen und MDAC später selbst installieren</translation>
    </message>
    <message>
        <source>Abort the installation</source>
        <translation>Installation abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Skipping the MDAC installation is not recommended.  This program may not function correctly. </source>
        <translation>Es wird nicht empfohlen, die MDAC-Installation zu überspringen.  Dieses Programm funktioniert dann möglicherweise nicht richtig. </translation>
    </message>
    <message>
        <source>Are you sure you want to skip the MDAC installation?</source>
        <translation>Möchten Sie die MDAC-Installation wirklich überspringen?</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the entire installation?</source>
        <translation>Möchten Sie die gesamte Installation wirklich abbrechen?</translation>
    </message>
    <message>
        <source>PLEASE NOTE:</source>
        <translation>BITTE BEACHTEN:</translation>
    </message>
    <message>
        <source>You will need to restart the %1 installation after MDAC has been installed.</source>
        <translation>Sie müssen die Installation von %1 neu starten, nachdem MDAC installiert wurde.</translation>
    </message>
</context>
<context>
    <name>setup::frmSecond</name>
    <message>
        <source>Corvale Installer</source>
        <translation>Corvale-Installationsprogramm</translation>
    </message>
    <message>
        <source>Installation Folder</source>
        <translation>Installationsordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Add to Start Menu</source>
        <translation>Zum Startmenü hinzufügen</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>This User Only</source>
        <translation>Nur dieser Benutzer</translation>
    </message>
    <message>
        <source>Do not add to the Start Menu</source>
        <translation>Nicht zum Startmenü hinzufügen</translation>
    </message>
    <message>
        <source>Create Desktop Icon</source>
        <translation>Desktopsymbol anlegen</translation>
    </message>
    <message>
        <source>Do not add a Desktop Icon</source>
        <translation>Kein Desktopsymbol anlegen</translation>
    </message>
    <message>
        <source>Continue &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please select another folder</source>
        <translation>Bitte wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Setup cannot write into the folder %1.</source>
        <translation>Setup kann nicht in den Ordner %1 schreiben.</translation>
    </message>
    <message>
        <source>Please select an Installation Folder</source>
        <translation>Bitte wählen Sie einen Installationsordner</translation>
    </message>
    <message>
        <source>The folder %1 is not empty.</source>
        <translation>Der Ordner %1 ist nicht leer.</translation>
    </message>
    <message>
        <source>Setup keeps what is in it and adds Quillby&apos;s files. Uninstalling Quillby later removes only the files Setup added.</source>
        <translation>Setup behält, was darin ist, und fügt die Dateien von Quillby hinzu. Eine spätere Deinstallation von Quillby entfernt nur die Dateien, die Setup hinzugefügt hat.</translation>
    </message>
    <message>
        <source>Install Quillby into this folder?</source>
        <translation>Quillby in diesen Ordner installieren?</translation>
    </message>
</context>
<context>
    <name>setup::frmTestADO</name>
    <message>
        <source>ADO Test</source>
        <translation>ADO-Test</translation>
    </message>
    <message>
        <source>Checking For ADO Components...</source>
        <translation>ADO-Komponenten werden geprüft...</translation>
    </message>
</context>
<context>
    <name>setup::frmThird</name>
    <message>
        <source>Corvale Installer</source>
        <translation>Corvale-Installationsprogramm</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Initalizing...</source>
        <translation>Wird vorbereitet...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Creating Folders...</source>
        <translation>Ordner werden angelegt...</translation>
    </message>
    <message>
        <source>Regestering Dlls...</source>
        <translation>DLLs werden registriert...</translation>
    </message>
    <message>
        <source>Copying Files...</source>
        <translation>Dateien werden kopiert...</translation>
    </message>
    <message>
        <source>Verifying Files...</source>
        <translation>Dateien werden geprüft...</translation>
    </message>
    <message>
        <source>Creating Icons...</source>
        <translation>Verknüpfungen werden angelegt...</translation>
    </message>
    <message>
        <source>Wiriting Install Log...</source>
        <translation>Installationsprotokoll wird geschrieben...</translation>
    </message>
    <message>
        <source>Cleaning Up...</source>
        <translation>Aufräumen...</translation>
    </message>
    <message>
        <source>Installation Complete</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>Setup removed the files, folders and shortcuts it had made. </source>
        <translation>Setup hat die Dateien, Ordner und Verknüpfungen entfernt, die es angelegt hatte. </translation>
    </message>
    <message>
        <source>These files could not be installed:</source>
        <translation>Diese Dateien konnten nicht installiert werden:</translation>
    </message>
    <message>
        <source>Please copy the whole installation package, with its Support folder, and run Setup again.</source>
        <translation>Bitte kopieren Sie das ganze Installationspaket mit seinem Ordner Support und starten Sie Setup noch einmal.</translation>
    </message>
    <message>
        <source>These shortcuts could not be created:</source>
        <translation>Diese Verknüpfungen konnten nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Please run Setup again and choose other shortcuts.</source>
        <translation>Bitte starten Sie Setup noch einmal und wählen Sie andere Verknüpfungen.</translation>
    </message>
    <message>
        <source>The install log could not be written:</source>
        <translation>Das Installationsprotokoll konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Please run Setup again and choose another folder.</source>
        <translation>Bitte starten Sie Setup noch einmal und wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Verifing Installation...</source>
        <translation>Installation wird geprüft...</translation>
    </message>
</context>
</TS>
