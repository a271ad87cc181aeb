<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: orvane [SCHEME-FILE]
       orvane --help | --version
Orvane designs colour schemes: it derives sixteen related colours from one.
SCHEME-FILE, a scheme saved by Orvane (.vrx), opens after start-up.

  --help      show this help and exit
  --version   show the version and exit
  --          end the options: what follows names the scheme file

Qt&apos;s options, such as --platform NAME, are accepted too.
More in the manual page: man orvane
</source>
        <translation>Aufruf: orvane [SCHEMADATEI]
       orvane --help | --version
Orvane entwirft Farbschemata: Aus einer Farbe leitet es sechzehn verwandte
Farben ab. SCHEMADATEI, ein mit Orvane gespeichertes Schema (.vrx), wird nach
dem Start geöffnet.

  --help      diese Hilfe zeigen und beenden
  --version   die Version zeigen und beenden
  --          Ende der Optionen: was folgt, benennt die Schemadatei

Die Optionen von Qt, etwa --platform NAME, werden ebenfalls angenommen.
Mehr in der Handbuchseite: man orvane
</translation>
    </message>
    <message>
        <source>orvane: unknown option &apos;%1&apos; (see &apos;orvane --help&apos;)
</source>
        <translation>orvane: unbekannte Option „%1“ (siehe „orvane --help“)
</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Orvane could not read its settings file and starts with the default settings.</source>
        <translation>Orvane konnte seine Einstellungsdatei nicht lesen und startet mit den Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>orvane::AboutWindow</name>
    <message>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <source>VER: %1
%2</source>
        <translation>Version %1
%2</translation>
    </message>
    <message>
        <source>Version and web address</source>
        <translation>Version und Webadresse</translation>
    </message>
    <message>
        <source>colour-scheme designer</source>
        <translation>Farbschema-Designer</translation>
    </message>
</context>
<context>
    <name>orvane::ColorStatusBar</name>
    <message>
        <source>Contrast: %1:1 on white, %2:1 on black</source>
        <translation>Kontrast: %1:1 auf Weiß, %2:1 auf Schwarz</translation>
    </message>
</context>
<context>
    <name>orvane::ContrastPanel</name>
    <message>
        <source>Page title on page background</source>
        <translation>Seitentitel auf Seitenhintergrund</translation>
    </message>
    <message>
        <source>Header text on header bar</source>
        <translation>Kopfleistentext auf Kopfleiste</translation>
    </message>
    <message>
        <source>Links on side bar</source>
        <translation>Links auf Seitenleiste</translation>
    </message>
    <message>
        <source>Body caption on body box</source>
        <translation>Inhaltsüberschrift auf Inhaltsbereich</translation>
    </message>
    <message>
        <source>Body text on body box</source>
        <translation>Inhaltstext auf Inhaltsbereich</translation>
    </message>
    <message>
        <source>Contrast of the page&apos;s texts</source>
        <translation>Kontrast der Seitentexte</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>verfehlt</translation>
    </message>
    <message>
        <source>%1: %2:1, AA %3, AAA %4</source>
        <translation>%1: %2:1, AA %3, AAA %4</translation>
    </message>
</context>
<context>
    <name>orvane::FavoritesWindow</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Favorite %1</source>
        <translation>Favorit %1</translation>
    </message>
    <message>
        <source>Clear this favorite</source>
        <translation>Diesen Favoriten leeren</translation>
    </message>
    <message>
        <source>Clear favorite %1</source>
        <translation>Favorit %1 leeren</translation>
    </message>
    <message>
        <source>Keep this window on top</source>
        <translation>Dieses Fenster im Vordergrund halten</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>Im Vordergrund halten</translation>
    </message>
    <message>
        <source>Favorite %1, empty</source>
        <translation>Favorit %1, leer</translation>
    </message>
</context>
<context>
    <name>orvane::HarmoniesWindow</name>
    <message>
        <source>Complements</source>
        <translation>Komplement</translation>
    </message>
    <message>
        <source>Split-Complements</source>
        <translation>Split-Komplement</translation>
    </message>
    <message>
        <source>Triad</source>
        <translation>Triade</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Harmonien</translation>
    </message>
    <message>
        <source>Harmony kind</source>
        <translation>Harmonieart</translation>
    </message>
    <message>
        <source>Harmony colour %1</source>
        <translation>Harmoniefarbe %1</translation>
    </message>
</context>
<context>
    <name>orvane::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Selected history colour</source>
        <translation>Gewählte Verlaufsfarbe</translation>
    </message>
    <message>
        <source>Recorded colours</source>
        <translation>Aufgezeichnete Farben</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Make the previewed colour current</source>
        <translation>Die angezeigte Farbe zur aktuellen Farbe machen</translation>
    </message>
</context>
<context>
    <name>orvane::MainActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Scheme...</source>
        <translation>Schema ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Save Scheme...</source>
        <translation>Schema &amp;speichern …</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>Palette &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>Palette &amp;exportieren …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Add to Favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Copy HEX</source>
        <translation>HEX &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Kopieren &amp;als</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>An&amp;passen</translation>
    </message>
    <message>
        <source>Select Scheme &amp;Mode</source>
        <translation>Schema&amp;modus wählen</translation>
    </message>
    <message>
        <source>RGB Color Wheel</source>
        <translation>RGB-Farbkreis</translation>
    </message>
    <message>
        <source>Group By Color</source>
        <translation>Nach Farbe gruppieren</translation>
    </message>
    <message>
        <source>&amp;Lighten</source>
        <translation>&amp;Aufhellen</translation>
    </message>
    <message>
        <source>&amp;Darken</source>
        <translation>Ab&amp;dunkeln</translation>
    </message>
    <message>
        <source>&amp;Saturate</source>
        <translation>&amp;Sättigen</translation>
    </message>
    <message>
        <source>D&amp;esaturate</source>
        <translation>&amp;Entsättigen</translation>
    </message>
    <message>
        <source>Make &amp;Websafe</source>
        <translation>&amp;Websicher machen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Screen Color Picker</source>
        <translation>&amp;Bildschirm-Farbwähler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quick Tips</source>
        <translation>&amp;Kurztipps</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Orvane</translation>
    </message>
    <message>
        <source>Add to Favorites...</source>
        <translation>Zu Favoriten hinzufügen …</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Copy HEX</source>
        <translation>HEX kopieren</translation>
    </message>
    <message>
        <source>Copy As</source>
        <translation>Kopieren als</translation>
    </message>
    <message>
        <source>Show Spectrum &amp;Palette</source>
        <translation>Spektrum&amp;palette anzeigen</translation>
    </message>
    <message>
        <source>Show Websafe &amp;Palette</source>
        <translation>Websichere &amp;Palette anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Favorites</source>
        <translation>&amp;Favoriten anzeigen</translation>
    </message>
    <message>
        <source>Hide &amp;Favorites</source>
        <translation>&amp;Favoriten ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <translation>&amp;Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Hide &amp;History</source>
        <translation>&amp;Verlauf ausblenden</translation>
    </message>
    <message>
        <source>Show H&amp;armonies</source>
        <translation>&amp;Harmonien anzeigen</translation>
    </message>
    <message>
        <source>Hide H&amp;armonies</source>
        <translation>&amp;Harmonien ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;Web Preview</source>
        <translation>&amp;Webvorschau anzeigen</translation>
    </message>
    <message>
        <source>Hide &amp;Web Preview</source>
        <translation>&amp;Webvorschau ausblenden</translation>
    </message>
</context>
<context>
    <name>orvane::MainToolbar</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Screen Color Picker</source>
        <translation>Bildschirm-Farbwähler</translation>
    </message>
    <message>
        <source>Make Web Safe</source>
        <translation>Websicher machen</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Saturate</source>
        <translation>Sättigen</translation>
    </message>
    <message>
        <source>Desaturate</source>
        <translation>Entsättigen</translation>
    </message>
    <message>
        <source>Show Favorites</source>
        <translation>Favoriten anzeigen</translation>
    </message>
    <message>
        <source>Show History</source>
        <translation>Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Show Harmonies</source>
        <translation>Harmonien anzeigen</translation>
    </message>
    <message>
        <source>Show Preview</source>
        <translation>Webvorschau anzeigen</translation>
    </message>
</context>
<context>
    <name>orvane::MainWindow</name>
    <message>
        <source>HEX value must be 6 characters!</source>
        <translation>Der HEX-Wert muss 6 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Palette Full</source>
        <translation>Palette voll</translation>
    </message>
    <message>
        <source>Your palette is full!</source>
        <translation>Ihre Palette ist voll!</translation>
    </message>
    <message>
        <source>Orvane could not save its settings to %1 or to %2.</source>
        <translation>Orvane konnte seine Einstellungen weder in %1 noch in %2 speichern.</translation>
    </message>
</context>
<context>
    <name>orvane::PaletteFileCommands</name>
    <message>
        <source>GIMP Palette</source>
        <translation>GIMP-Palette</translation>
    </message>
    <message>
        <source>CSS Custom Properties</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange</source>
        <translation>Adobe Swatch Exchange</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1: it is not a regular file.</source>
        <translation>Die Palette konnte nicht in %1 gespeichert werden: Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1.</source>
        <translation>Die Palette konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Palette Files (*.gpl;*.css;*.json;*.ase)</source>
        <translation>Palettendateien (*.gpl;*.css;*.json;*.ase)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read.</source>
        <translation>Die Palettendatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is larger than 4 MB, too large for a palette.</source>
        <translation>Die Datei %1 ist größer als 4 MB und damit zu groß für eine Palette.</translation>
    </message>
    <message>
        <source>The file %1 is no palette Orvane can read: it is neither a GIMP Palette nor CSS, JSON or Adobe Swatch Exchange.</source>
        <translation>Die Datei %1 ist keine Palette, die Orvane lesen kann: Sie ist weder eine GIMP-Palette noch CSS, JSON oder Adobe Swatch Exchange.</translation>
    </message>
    <message>
        <source>The palette file %1 holds no colours.</source>
        <translation>Die Palettendatei %1 enthält keine Farben.</translation>
    </message>
    <message>
        <source>One entry of %1 could not be read and was left out.</source>
        <translation>Ein Eintrag von %1 konnte nicht gelesen werden und wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of %1 could not be read and were left out.</source>
        <translation>
            <numerusform>%n Eintrag von %1 konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge von %1 konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::PaletteWindow</name>
    <message>
        <source>Palette colours</source>
        <translation>Palettenfarben</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
</context>
<context>
    <name>orvane::SchemeFileCommands</name>
    <message>
        <source>Orvane File (*.vrx)</source>
        <translation>Orvane-Datei (*.vrx)</translation>
    </message>
    <message>
        <source>The scheme could not be saved to %1: it is not a regular file.</source>
        <translation>Das Schema konnte nicht in %1 gespeichert werden: Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The scheme could not be saved to %1.</source>
        <translation>Das Schema konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The scheme file %1 could not be read.</source>
        <translation>Die Schemadatei %1 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>orvane::SchemeSwatchGrid</name>
    <message>
        <source>Current colour</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message>
        <source>Scheme colour %1</source>
        <translation>Schemafarbe %1</translation>
    </message>
</context>
<context>
    <name>orvane::ScreenPick</name>
    <message>
        <source>Screen Color Picker</source>
        <translation>Bildschirm-Farbwähler</translation>
    </message>
    <message>
        <source>This desktop does not allow a picture of the screen to be taken, so no colour can be picked from it.</source>
        <translation>Diese Arbeitsumgebung lässt kein Bild des Bildschirms zu, daher kann vom Bildschirm keine Farbe gewählt werden.</translation>
    </message>
</context>
<context>
    <name>orvane::ScreenPickerWindow</name>
    <message>
        <source>Screen Color Picker</source>
        <translation>Bildschirm-Farbwähler</translation>
    </message>
    <message>
        <source>Screen colour picker: press a mouse button, Enter or Space to take the colour under the pointer, move it with the arrow keys, or press Escape to leave</source>
        <translation>Bildschirm-Farbwähler: Drücken Sie eine Maustaste, die Eingabetaste oder die Leertaste, um die Farbe unter dem Zeiger zu übernehmen, bewegen Sie den Zeiger mit den Pfeiltasten, oder drücken Sie Esc, um abzubrechen</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Pixels around the pointer, enlarged</source>
        <translation>Pixel um den Zeiger, vergrößert</translation>
    </message>
    <message>
        <source>Colour under the pointer</source>
        <translation>Farbe unter dem Zeiger</translation>
    </message>
    <message>
        <source>Target on the pixel under the pointer</source>
        <translation>Zielmarke auf dem Pixel unter dem Zeiger</translation>
    </message>
</context>
<context>
    <name>orvane::SpectrumPalette</name>
    <message>
        <source>Spectrum palette, %1</source>
        <translation>Spektrumpalette, %1</translation>
    </message>
</context>
<context>
    <name>orvane::StatusTexts</name>
    <message>
        <source>RGB: %1</source>
        <translation>RGB: %1</translation>
    </message>
    <message>
        <source>HEX: %1</source>
        <translation>HEX: %1</translation>
    </message>
</context>
<context>
    <name>orvane::TipsWindow</name>
    <message>
        <source>Quick Tips</source>
        <translation>Kurztipps</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous tip</source>
        <translation>Vorheriger Tipp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>Show in start-up</source>
        <translation>Beim Start anzeigen</translation>
    </message>
    <message>
        <source>No tips are available: %1 is larger than 1 MB.</source>
        <translation>Keine Tipps verfügbar: %1 ist größer als 1 MB.</translation>
    </message>
    <message>
        <source>No tips are available: %1 is missing or empty.</source>
        <translation>Keine Tipps verfügbar: %1 fehlt oder ist leer.</translation>
    </message>
</context>
<context>
    <name>orvane::ValueEntryPanel</name>
    <message>
        <source>HEX value</source>
        <translation>HEX-Wert</translation>
    </message>
    <message>
        <source>HE&amp;X</source>
        <translation>HE&amp;X</translation>
    </message>
    <message>
        <source>Set HEX</source>
        <translation>HEX setzen</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>B&amp;lau</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Rotwert</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Grünwert</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Blauwert</translation>
    </message>
    <message>
        <source>Set RGB</source>
        <translation>RGB setzen</translation>
    </message>
</context>
<context>
    <name>orvane::VisionMenu</name>
    <message>
        <source>&amp;Normal Vision</source>
        <translation>&amp;Normales Sehen</translation>
    </message>
    <message>
        <source>&amp;Protanopia</source>
        <translation>&amp;Protanopie</translation>
    </message>
    <message>
        <source>protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia</source>
        <translation>&amp;Deuteranopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>&amp;Tritanopia</source>
        <translation>&amp;Tritanopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia</source>
        <translation>&amp;Achromatopsie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>Farbsehen &amp;simulieren</translation>
    </message>
    <message>
        <source>Orvane (simulating %1)</source>
        <translation>Orvane (Simulation: %1)</translation>
    </message>
</context>
<context>
    <name>orvane::WebPreviewWindow</name>
    <message>
        <source>Web Preview</source>
        <translation>Webvorschau</translation>
    </message>
    <message>
        <source>Web preview toolbar</source>
        <translation>Werkzeugleiste der Webvorschau</translation>
    </message>
    <message>
        <source>Save As Web Page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Farben zurücksetzen</translation>
    </message>
    <message>
        <source>Check Contrast</source>
        <translation>Kontrast prüfen</translation>
    </message>
    <message>
        <source>Page background</source>
        <translation>Seitenhintergrund</translation>
    </message>
    <message>
        <source>Header bar</source>
        <translation>Kopfleiste</translation>
    </message>
    <message>
        <source>Side bar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Body box</source>
        <translation>Inhaltsbereich</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>Header text</source>
        <translation>Kopfleistentext</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Body caption</source>
        <translation>Inhaltsüberschrift</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Inhaltstext</translation>
    </message>
    <message>
        <source>HTML File (*.html;*.htm)</source>
        <translation>HTML-Datei (*.html;*.htm)</translation>
    </message>
    <message>
        <source>The web page could not be saved to %1: it is not a regular file.</source>
        <translation>Die Webseite konnte nicht in %1 gespeichert werden: Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The web page could not be saved to %1.</source>
        <translation>Die Webseite konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>orvane::WebSafePalette</name>
    <message>
        <source>Web-safe palette, %1</source>
        <translation>Websichere Palette, %1</translation>
    </message>
</context>
<context>
    <name>orvane::WebStatusBar</name>
    <message>
        <source>Web preview status</source>
        <translation>Status der Webvorschau</translation>
    </message>
    <message>
        <source>Current RGB</source>
        <translation>Aktueller RGB-Wert</translation>
    </message>
    <message>
        <source>Current HEX</source>
        <translation>Aktueller HEX-Wert</translation>
    </message>
    <message>
        <source>Right-Click colors for options</source>
        <translation>Rechtsklick für Optionen</translation>
    </message>
</context>
</TS>
