<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Romanian for the texts of Qt itself that La Numerella shows (dialog buttons, the print and file
     dialogs, the command line's help), which Debian does not translate; edited by hand, never by lupdate. -->
<TS version="2.1" language="ro_RO">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtătură</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectează tot</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Mai &amp;mult</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Mai puțin</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Decrease</source>
        <translation>Micșorează</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Micșorează valoarea</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Merge o pagină înapoi</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Merge la pagina următoare</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Mărește</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Mărește valoarea</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina următoare</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Apasă</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Pagina anterioară</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Derulează în jos</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Derulează la stânga</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Derulează la dreapta</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Derulează în sus</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Derulează în jos</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Derulează la stânga</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Derulează la dreapta</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Derulează în sus</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Focalizează</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Mută focalizarea aici</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Arată meniul</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Arată meniul</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Comută</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Comută starea</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Declanșează acțiunea</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>Fals</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Deschide lista de opțiuni</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Adevărat</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Arată ajutorul, cu opțiunile specifice Qt.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Arată ajutorul pentru opțiunile din linia de comandă.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Arată acest ajutor.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Arată versiunea.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Lipsește valoarea după „%1”.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opțiuni:</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Valoare neașteptată după „%1”.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>Opțiune necunoscută: „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opțiuni necunoscute: %1.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizare: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opțiuni]</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Pagini de copertă</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informații de facturare:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Clasificat</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidențial</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ziua (06:00–17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Sfârșit:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Reține pe termen nedefinit</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lucrare</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Controlul lucrării</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritatea lucrării:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noaptea (18:00–05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Tipărește imediat</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Tipărire programată:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Schimbul al doilea (16:00–23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>La o anumită oră</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Început:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Schimbul al treilea (00:00–07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strict secret</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Neclasificat</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>La sfârșit de săptămână (sâmbătă–duminică)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Autentificare necesară</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Pentru a folosi %1 pe %2 trebuie să te autentifici.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Pentru a folosi %1 trebuie să te autentifici.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nume de utilizator:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Ce este aceasta?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu a fost găsit.
Verifică dacă numele dosarului este corect.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verifică dacă numele fișierului este corect.</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fișier %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 există deja.
Îl înlocuiești?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alege</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ște&amp;rge</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumește</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Îl ștergi totuși?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Sigur vrei să ștergi „%1”?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Arată detaliile</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Arată ca listă</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creează un dosar nou</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creează un dosar nou</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Numele fișierului:</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Caută dosarul</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mergi înapoi</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mergi înainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul părinte</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listă</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista locurilor și a marcajelor</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Caută în:</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul părinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvează ca</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtătură</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Arată </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arată fișierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bara laterală</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 octeți</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octeți</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name "%1" can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Numele „%1” nu poate fi folosit.&lt;/b&gt;&lt;p&gt;Încearcă alt nume, mai scurt sau fără semne de punctuație.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nume de fișier nevalid</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Închi&amp;de</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Închide fără a salva</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Scrie o valoare:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Dec&amp;upează</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează tot</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program folosește Qt, versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Despre Qt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Arată detaliile...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Înălțime:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Țoli (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Aranjarea paginii</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Dimensiunea paginii:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Hârtie</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursa hârtiei:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Peisaj inversat</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Portret inversat</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lățime:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stânga</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonează</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoră</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilește valorile implicite</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvează tot</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 există deja.
Îl suprascrii?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nu este scris corect. Folosește „,” între pagini și intervale, „-” pentru un interval, iar intervalele să nu se suprapună.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un dosar.
Alege alt nume de fișier.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opțiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opțiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tipărește</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De jos în sus, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De jos în sus, de la dreapta la stânga</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Setări față-verso nepotrivite</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Paginile pare</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>În fișierul %1 nu se poate scrie.
Alege alt nume de fișier.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Pagini scrise greșit</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De la stânga la dreapta, de jos în sus</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>De la stânga la dreapta, de sus în jos</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fișier local</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Paginile impare</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Opțiunile „Pagini pe foaie” și „Setul de pagini” nu pot fi folosite împreună.
Dezactivează una dintre ele.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Tipărește într-un fișier...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Tipărește într-un fișier (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De la dreapta la stânga, de jos în sus</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De la dreapta la stânga, de sus în jos</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Valoarea „De la” nu poate fi mai mare decât „Până la”.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Setările pentru față-verso nu se potrivesc. Le corectezi?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De sus în jos, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De sus în jos, de la dreapta la stânga</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scrie un fișier PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Opțiuni avansate nepotrivite</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opțiunile lucrării</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Setări de pagină nepotrivite</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietățile imprimantei</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Setările paginii nu se potrivesc între ele. Le corectezi?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Unele opțiuni avansate nu se potrivesc între ele. Le corectezi?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagină</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Unele opțiuni nu se potrivesc între ele. Corectează-le.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Colaționează</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Culori</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copii</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copii:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curentă</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tipărire față-verso</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Tipărire față-verso</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Latura lungă</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Legare pe latura lungă</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Fără</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Setări de ieșire</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Setul de pagini:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagini</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Tipărește tot</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Ce se tipărește</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>În ordine inversă</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selecția</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Latura scurtă</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Legare pe latura scurtă</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Scrie paginile sau intervalele despărțite prin virgule. Un interval se scrie cu două numere despărțite de o cratimă. De exemplu, 3,5-7,9 tipărește paginile 3, 5, 6, 7 și 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>până la</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locație:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fișier de ieșire:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietăți</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimantă</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Marginea din stânga</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>O pagină în jos</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>O pagină la stânga</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>O pagină la dreapta</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>O pagină în sus</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Marginea din dreapta</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Derulează în jos</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Derulează aici</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Derulează la stânga</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Derulează la dreapta</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Derulează în sus</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sus</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Derulează la stânga</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Derulează la dreapta</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Inserează un caracter de control Unicode</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipește</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refă</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiază adresa &amp;legăturii</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Dec&amp;upează</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectează tot</translation>
    </message>
</context>
</TS>
