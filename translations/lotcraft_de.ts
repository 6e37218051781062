<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AskingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Auctions</name>
    <message>
        <source>&amp;Open catalogue...</source>
        <translation>Katalog ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Insert &amp;new record</source>
        <translation>&amp;Neuen Datensatz anlegen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Write &amp;pages...</source>
        <translation>Seiten &amp;schreiben...</translation>
    </message>
    <message>
        <source>&amp;Export for eBay...</source>
        <translation>Für eBay &amp;exportieren...</translation>
    </message>
    <message>
        <source>View page</source>
        <translation>Seite ansehen</translation>
    </message>
    <message>
        <source>View html code</source>
        <translation>HTML-Code ansehen</translation>
    </message>
    <message>
        <source>Page pre&amp;view</source>
        <translation>Seiten&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>eBay&apos;s category list</source>
        <translation>eBay-Kategorienliste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy rows</source>
        <translation>Zeilen &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the listing &amp;description</source>
        <translation>Artikel&amp;beschreibung kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste rows</source>
        <translation>Zeilen &amp;einfügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Change &amp;field...</source>
        <translation>&amp;Feld ändern...</translation>
    </message>
    <message>
        <source>Sort the catalogue by this column</source>
        <translation>Katalog nach dieser Spalte sortieren</translation>
    </message>
    <message>
        <source>&amp;Listing details...</source>
        <translation>&amp;Angebotsdetails...</translation>
    </message>
    <message>
        <source>Add a column...</source>
        <translation>Spalte hinzufügen...</translation>
    </message>
    <message>
        <source>Remove the column</source>
        <translation>Spalte entfernen</translation>
    </message>
    <message>
        <source>Add columns from an eBay &amp;template...</source>
        <translation>Spalten aus einer eBay-&amp;Vorlage hinzufügen...</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>&amp;Undo </source>
        <translation>&amp;Rückgängig: </translation>
    </message>
    <message>
        <source>&amp;Redo </source>
        <translation>&amp;Wiederholen: </translation>
    </message>
    <message>
        <source>%1, read from the spreadsheet (saved as CSV)[*] - Lotcraft</source>
        <translation>%1, aus dem Tabellendokument gelesen (wird als CSV gespeichert)[*] - Lotcraft</translation>
    </message>
    <message>
        <source>%1 items read in part from %2[*] - Lotcraft</source>
        <translation>%1 Artikel, nur teilweise aus %2 gelesen[*] - Lotcraft</translation>
    </message>
    <message>
        <source>New catalogue[*] - Lotcraft</source>
        <translation>Neuer Katalog[*] - Lotcraft</translation>
    </message>
    <message>
        <source>Lotcraft[*]</source>
        <translation>Lotcraft[*]</translation>
    </message>
    <message>
        <source>[*] - Lotcraft</source>
        <translation>[*] - Lotcraft</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
    <message>
        <source>Undone: %1. Ctrl+Shift+Z does it again.</source>
        <translation>Rückgängig gemacht: %1. Strg+Umschalt+Z stellt es wieder her.</translation>
    </message>
    <message>
        <source>Done again: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>Select the rows to change first: click, Shift+click or Ctrl+click them in the grid.</source>
        <translation>Wählen Sie zuerst die Zeilen aus, die geändert werden sollen: Klicken, Umschalt+Klick oder Strg+Klick in der Liste.</translation>
    </message>
    <message>
        <source>Changed the %1 of 1 item of %2.</source>
        <translation>%1 bei 1 von %2 Artikeln geändert.</translation>
    </message>
    <message>
        <source>Changed the %1 of %2 items of %3.</source>
        <translation>%1 bei %2 von %3 Artikeln geändert.</translation>
    </message>
    <message>
        <source>Copied 1 row: paste it into a spreadsheet, or here after another row.</source>
        <translation>1 Zeile kopiert: Fügen Sie sie in ein Tabellendokument ein oder hier hinter einer anderen Zeile.</translation>
    </message>
    <message>
        <source>Copied %1 rows: paste them into a spreadsheet, or here after another row.</source>
        <translation>%1 Zeilen kopiert: Fügen Sie sie in ein Tabellendokument ein oder hier hinter einer anderen Zeile.</translation>
    </message>
    <message>
        <source>Nothing was pasted: </source>
        <translation>Es wurde nichts eingefügt: </translation>
    </message>
    <message>
        <source>paste of 1 item</source>
        <translation>Einfügen von 1 Artikel</translation>
    </message>
    <message>
        <source>paste of %1 items</source>
        <translation>Einfügen von %1 Artikeln</translation>
    </message>
    <message>
        <source>Pasted 1 item</source>
        <translation>1 Artikel eingefügt</translation>
    </message>
    <message>
        <source>Pasted %1 items</source>
        <translation>%1 Artikel eingefügt</translation>
    </message>
    <message>
        <source>, the heading row left out.</source>
        <translation>, die Überschriftszeile ausgelassen.</translation>
    </message>
    <message>
        <source>
Row %1 (item %2): %3</source>
        <translation>
Zeile %1 (Artikel %2): %3</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>The pasted rows are in the catalogue (Ctrl+Z takes them out again). The check found:
</source>
        <translation>Die eingefügten Zeilen stehen im Katalog (Strg+Z nimmt sie wieder heraus). Die Prüfung hat gefunden:
</translation>
    </message>
    <message>
        <source>sort of the catalogue by %1</source>
        <translation>Sortieren des Katalogs nach %1</translation>
    </message>
    <message>
        <source>The catalogue is in the order of its %1 column now; Save writes it so, Ctrl+Z gives the old order back.</source>
        <translation>Der Katalog ist jetzt nach seiner Spalte %1 geordnet; Speichern schreibt ihn so, Strg+Z stellt die alte Reihenfolge wieder her.</translation>
    </message>
    <message>
        <source>Listing details</source>
        <translation>Angebotsdetails</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Update the item</source>
        <translation>Artikel ändern</translation>
    </message>
    <message>
        <source>The listing details are in the form: Update stores them.</source>
        <translation>Die Angebotsdetails stehen im Formular: Ändern übernimmt sie.</translation>
    </message>
    <message>
        <source>The new column&apos;s name (an item specific as eBay names it: C:Brand, C:Colour; or Quantity, Format, Duration, ConditionID):</source>
        <translation>Der Name der neuen Spalte (ein Artikelmerkmal, wie eBay es nennt: C:Marke, C:Farbe; oder Quantity, Format, Duration, ConditionID):</translation>
    </message>
    <message>
        <source>A column needs a name: nothing was added.</source>
        <translation>Eine Spalte braucht einen Namen: Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The catalogue has a %1 column already.</source>
        <translation>Der Katalog hat schon eine Spalte %1.</translation>
    </message>
    <message>
        <source>Added the column %1: each item&apos;s value is in the listing details (Ctrl+L). Ctrl+Z takes it away again.</source>
        <translation>Spalte %1 hinzugefügt: Der Wert jedes Artikels steht in den Angebotsdetails (Strg+L). Strg+Z nimmt sie wieder weg.</translation>
    </message>
    <message>
        <source>Choose the column to remove in the listing details first.</source>
        <translation>Wählen Sie zuerst in den Angebotsdetails die Spalte aus, die entfernt werden soll.</translation>
    </message>
    <message>
        <source>Remove the column %1, and its value in every item ? Ctrl+Z brings it back.</source>
        <translation>Die Spalte %1 und ihren Wert in jedem Artikel entfernen? Strg+Z holt sie zurück.</translation>
    </message>
    <message>
        <source>Removed the column %1.</source>
        <translation>Spalte %1 entfernt.</translation>
    </message>
    <message>
        <source>No column was added.

</source>
        <translation>Es wurde keine Spalte hinzugefügt.

</translation>
    </message>
    <message>
        <source>The catalogue has every item specific of %1 already.</source>
        <translation>Der Katalog hat schon jedes Artikelmerkmal aus %1.</translation>
    </message>
    <message>
        <source>Added %1 from %2: %3. The export&apos;s check names each required one (*) left empty.</source>
        <translation>%1 aus %2 hinzugefügt: %3. Die Prüfung beim Export nennt jedes Pflichtmerkmal (*), das leer geblieben ist.</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>Do you want to insert the new record ?</source>
        <translation>Möchten Sie den neuen Datensatz anlegen?</translation>
    </message>
    <message>
        <source>Do you want to store your changes to item %1 ?</source>
        <translation>Möchten Sie Ihre Änderungen an Artikel %1 übernehmen?</translation>
    </message>
    <message>
        <source> The find bar hides %1 of them, which count too.</source>
        <translation> Die Suche blendet %1 davon aus, die trotzdem mitzählen.</translation>
    </message>
    <message>
        <source>%1 acts on all %2 items.</source>
        <translation>%1 gilt für alle %2 Artikel.</translation>
    </message>
    <message>
        <source>%1 rows are selected. %2 for the selected rows only, or for all %3 items of the catalogue?</source>
        <translation>%1 Zeilen sind ausgewählt. %2 nur für die ausgewählten Zeilen oder für alle %3 Artikel des Katalogs?</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>Write the pages</source>
        <translation>Seiten schreiben</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Click a row of the grid first: its description is what Ctrl+Shift+C copies.</source>
        <translation>Klicken Sie zuerst eine Zeile der Liste an: Strg+Umschalt+C kopiert deren Beschreibung.</translation>
    </message>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>Es wurde nichts kopiert: %1.</translation>
    </message>
    <message>
        <source>Copied the listing description of item %1 to the clipboard: paste it into the HTML view of eBay&apos;s listing form.</source>
        <translation>Die Artikelbeschreibung von Artikel %1 wurde in die Zwischenablage kopiert: Fügen Sie sie im eBay-Angebotsformular in die HTML-Ansicht ein.</translation>
    </message>
    <message>
        <source>Click a row of the grid, or press INSERT NEW RECORD, and its page is shown here as you type.</source>
        <translation>Klicken Sie eine Zeile der Liste an oder drücken Sie NEUEN DATENSATZ ANLEGEN: Die Seite wird hier beim Tippen angezeigt.</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>There is no page to open: no page has been written for this item yet.</source>
        <translation>Es gibt keine Seite zum Öffnen: Für diesen Artikel wurde noch keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.

Install a web browser, or make one the desktop&apos;s default web browser, then try again; or open that address in a web browser yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 anzuzeigen.

Installieren Sie einen Webbrowser oder machen Sie einen zum Standardbrowser des Desktops und versuchen Sie es dann noch einmal; oder öffnen Sie die Adresse selbst in einem Webbrowser.</translation>
    </message>
</context>
<context>
    <name>CatalogueCheckDialog</name>
    <message>
        <source>no errors</source>
        <translation>keine Fehler</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>no warnings</source>
        <translation>keine Warnungen</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ergebnisse der Prüfung</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Was zu tun ist</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Write pages</source>
        <translation>Seiten schreiben</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lotcraft</source>
        <translation>Lotcraft</translation>
    </message>
    <message>
        <source>Every row&apos;s page will be written.</source>
        <translation>Die Seiten aller Zeilen werden geschrieben.</translation>
    </message>
    <message>
        <source>Every row&apos;s listing will be exported.</source>
        <translation>Die Angebote aller Zeilen werden exportiert.</translation>
    </message>
    <message>
        <source>The catalogue check found nothing to mend. </source>
        <translation>Die Katalogprüfung hat nichts gefunden, was zu korrigieren wäre. </translation>
    </message>
    <message>
        <source>The catalogue check found %1 and %2. </source>
        <translation>Die Katalogprüfung hat %1 und %2 gefunden. </translation>
    </message>
    <message>
        <source>Every row is in error, so there is nothing to write: mend the rows and try again.</source>
        <translation>Jede Zeile ist fehlerhaft, deshalb gibt es nichts zu schreiben: Korrigieren Sie die Zeilen und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>%1 will be skipped; %2 will be written.</source>
        <translation>Lotcraft überspringt %1 und schreibt die Seiten für %2.</translation>
    </message>
    <message>
        <source>%1 will be left out; %2 will be exported.</source>
        <translation>Lotcraft lässt %1 aus und exportiert %2.</translation>
    </message>
    <message>
        <source>The row in error</source>
        <translation>die fehlerhafte Zeile</translation>
    </message>
    <message>
        <source>The %1 rows in error</source>
        <translation>die %1 fehlerhaften Zeilen</translation>
    </message>
    <message>
        <source>the other row</source>
        <translation>die andere Zeile</translation>
    </message>
    <message>
        <source>the other %1 rows</source>
        <translation>die anderen %1 Zeilen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>CatalogueFiles</name>
    <message>
        <source>Do you want to save changes ?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>%1 (items 1-%2).%3</source>
        <translation>%1 (Artikel 1-%2).%3</translation>
    </message>
    <message>
        <source>Lotcraft could not open the catalogue.

</source>
        <translation>Lotcraft konnte den Katalog nicht öffnen.

</translation>
    </message>
    <message>
        <source>.

No item was read, and the grid is as it was. Check the file, then open it again.</source>
        <translation>.

Es wurde kein Artikel gelesen, die Liste ist unverändert. Prüfen Sie die Datei und öffnen Sie sie dann noch einmal.</translation>
    </message>
    <message>
        <source>The catalogue is open.</source>
        <translation>Der Katalog ist geöffnet.</translation>
    </message>
    <message>
        <source>The one item read before that is</source>
        <translation>Der eine Artikel, der davor gelesen wurde, steht</translation>
    </message>
    <message>
        <source>The %1 items read before that are</source>
        <translation>Die %1 Artikel, die davor gelesen wurden, stehen</translation>
    </message>
    <message>
        <source>Lotcraft could not read the whole catalogue.

</source>
        <translation>Lotcraft konnte nicht den ganzen Katalog lesen.

</translation>
    </message>
    <message>
        <source> in the grid. Correct the file and open it again, or save the grid under a new name.</source>
        <translation> in der Liste. Korrigieren Sie die Datei und öffnen Sie sie noch einmal, oder speichern Sie die Liste unter einem neuen Namen.</translation>
    </message>
    <message>
        <source>%1 holds %2 items; the grid has %3. Replacing it loses %4.</source>
        <translation>%1 enthält %2 Artikel, die Liste %3. Wird die Datei ersetzt, gehen %4 verloren.</translation>
    </message>
    <message>
        <source>The grid&apos;s items were read from %1 only in part.</source>
        <translation>Die Artikel der Liste wurden nur teilweise aus %1 gelesen.</translation>
    </message>
    <message>
        <source>

Do you want to replace it ?</source>
        <translation>

Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>(no column: left empty)</source>
        <translation>(keine Spalte: bleibt leer)</translation>
    </message>
    <message>
        <source>The first line of %1 names its columns, but none of them is one of these fields. Choose the column that holds each field, or leave it empty; the columns not chosen are kept as they stand.</source>
        <translation>Die erste Zeile von %1 nennt die Spalten, aber keine davon ist eines dieser Felder. Wählen Sie für jedes Feld die Spalte, die es enthält, oder lassen Sie es leer; die nicht gewählten Spalten bleiben so erhalten, wie sie sind.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The catalogue was not saved.

%1 is a spreadsheet, and Lotcraft saves catalogues as CSV files: saved over it, the spreadsheet would be lost. Choose another name%2.</source>
        <translation>Der Katalog wurde nicht gespeichert.

%1 ist ein Tabellendokument, und Lotcraft speichert Kataloge als CSV-Dateien: Beim Speichern darüber ginge das Tabellendokument verloren. Wählen Sie einen anderen Namen%2.</translation>
    </message>
    <message>
        <source>, such as %1</source>
        <translation>, zum Beispiel %1</translation>
    </message>
    <message>
        <source>The catalogue was not saved.

</source>
        <translation>Der Katalog wurde nicht gespeichert.

</translation>
    </message>
    <message>
        <source>Saved 1 item to %2</source>
        <translation>1 Artikel in %2 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1 items to %2</source>
        <translation>%1 Artikel in %2 gespeichert</translation>
    </message>
    <message>
        <source>The file %1 is as it was.</source>
        <translation>Die Datei %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Lotcraft saves a catalogue by writing a new file in its folder and then putting it in place of the old one, and the folder %1 does not let it make a new file. %2

Save the catalogue into a folder of your own, your home folder for instance, or ask whoever looks after %1 to let you write there.</source>
        <translation>Lotcraft speichert einen Katalog, indem es eine neue Datei in seinem Ordner schreibt und sie dann an die Stelle der alten setzt, und im Ordner %1 darf es keine neue Datei anlegen. %2

Speichern Sie den Katalog in einem eigenen Ordner, zum Beispiel Ihrem persönlichen Ordner, oder bitten Sie den Betreuer von %1, Ihnen dort Schreibrechte zu geben.</translation>
    </message>
    <message>
        <source>.

Choose another folder or file name, or make room on the disk, and save again.</source>
        <translation>.

Wählen Sie einen anderen Ordner oder Dateinamen oder schaffen Sie Platz auf dem Datenträger, und speichern Sie noch einmal.</translation>
    </message>
</context>
<context>
    <name>ChangeFieldDialog</name>
    <message>
        <source>Change field</source>
        <translation>Feld ändern</translation>
    </message>
    <message>
        <source>Change a field of the selected item:</source>
        <translation>Ein Feld des ausgewählten Artikels ändern:</translation>
    </message>
    <message>
        <source>Change a field of the %1 selected items:</source>
        <translation>Ein Feld der %1 ausgewählten Artikel ändern:</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>&amp;Feld:</translation>
    </message>
    <message>
        <source>&amp;Set it to</source>
        <translation>&amp;Ganz ersetzen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Text &amp;ersetzen:</translation>
    </message>
    <message>
        <source>Text to replace</source>
        <translation>Zu ersetzender Text</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <source>&amp;With:</source>
        <translation>&amp;Durch:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Every place the text stands in the field is replaced, letter case as typed.</source>
        <translation>Der Text wird überall ersetzt, wo er im Feld steht, mit Groß- und Kleinschreibung wie eingegeben.</translation>
    </message>
    <message>
        <source>The field&apos;s value is replaced whole; an empty box empties it.</source>
        <translation>Der Wert des Feldes wird ganz ersetzt; bleibt das Eingabefeld leer, wird das Feld geleert.</translation>
    </message>
    <message>
        <source>Type the text to replace, or choose &quot;Set it to&quot;.</source>
        <translation>Geben Sie den zu ersetzenden Text ein oder wählen Sie „Ganz ersetzen“.</translation>
    </message>
</context>
<context>
    <name>DescriptionBox</name>
    <message>
        <source>

[... and %L1 characters more. The description is too long to be edited here; it is kept whole and stored as it is.]</source>
        <translation>

[... und %L1 weitere Zeichen. Die Beschreibung ist zu lang, um hier bearbeitet zu werden; sie bleibt vollständig erhalten und wird unverändert gespeichert.]</translation>
    </message>
</context>
<context>
    <name>DesktopFileDialogs</name>
    <message>
        <source>Add columns from an eBay template</source>
        <translation>Spalten aus einer eBay-Vorlage hinzufügen</translation>
    </message>
    <message>
        <source>eBay templates (*.csv)</source>
        <translation>eBay-Vorlagen (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExportListingsDialog</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Gebraucht</translation>
    </message>
    <message>
        <source>For parts or not working</source>
        <translation>Als Ersatzteil / defekt</translation>
    </message>
    <message>
        <source>S&amp;ite:</source>
        <translation>eBay-&amp;Website:</translation>
    </message>
    <message>
        <source>Another number</source>
        <translation>Andere Nummer</translation>
    </message>
    <message>
        <source>eBay&apos;s number of the items&apos; condition</source>
        <translation>Die Nummer, mit der eBay den Zustand der Artikel angibt</translation>
    </message>
    <message>
        <source>Condition number</source>
        <translation>Zustandsnummer</translation>
    </message>
    <message>
        <source>&amp;Condition:</source>
        <translation>&amp;Zustand:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>&amp;Dispatch within:</source>
        <translation>&amp;Bearbeitungszeit:</translation>
    </message>
    <message>
        <source>Where the items are sent from; may be left empty</source>
        <translation>Von wo die Artikel versendet werden; darf leer bleiben</translation>
    </message>
    <message>
        <source>Postal c&amp;ode:</source>
        <translation>&amp;Postleitzahl:</translation>
    </message>
    <message>
        <source>&amp;Returns accepted</source>
        <translation>Rücknahmen &amp;akzeptiert</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>&amp;Within:</source>
        <translation>Fr&amp;ist:</translation>
    </message>
    <message>
        <source>the buyer</source>
        <translation>der Käufer</translation>
    </message>
    <message>
        <source>the seller</source>
        <translation>der Verkäufer</translation>
    </message>
    <message>
        <source>Sent back b&amp;y:</source>
        <translation>Rückversand &amp;trägt:</translation>
    </message>
    <message>
        <source>Returns &amp;not accepted</source>
        <translation>&amp;Keine Rücknahmen</translation>
    </message>
    <message>
        <source>eBay&apos;s code of the shipping service on the site</source>
        <translation>Der eBay-Code des Versandservices auf dieser Website</translation>
    </message>
    <message>
        <source>Shipping ser&amp;vice:</source>
        <translation>&amp;Versandservice:</translation>
    </message>
    <message>
        <source>What the buyer pays for the shipping; 0 for free</source>
        <translation>Was der Käufer für den Versand zahlt; 0 für kostenlosen Versand</translation>
    </message>
    <message>
        <source>Cos&amp;t:</source>
        <translation>Kost&amp;en:</translation>
    </message>
    <message>
        <source>My &amp;business policies on eBay, by name:</source>
        <translation>Meine &amp;Rahmenbedingungen bei eBay, mit Namen:</translation>
    </message>
    <message>
        <source>&amp;Shipping policy:</source>
        <translation>Versan&amp;dbedingungen:</translation>
    </message>
    <message>
        <source>R&amp;eturns policy:</source>
        <translation>Rü&amp;cknahmebedingungen:</translation>
    </message>
    <message>
        <source>&amp;Payment policy:</source>
        <translation>Zahlu&amp;ngsbedingungen:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export for eBay</source>
        <translation>Für eBay exportieren</translation>
    </message>
    <message>
        <source>Name your three business policies as they are called on eBay, or choose whether returns are accepted.</source>
        <translation>Geben Sie Ihre drei Rahmenbedingungen so an, wie sie bei eBay heißen, oder wählen Sie, ob Rücknahmen akzeptiert werden.</translation>
    </message>
    <message>
        <source>such as %1</source>
        <translation>z. B. %1</translation>
    </message>
    <message>
        <source>Shipping service</source>
        <translation>Versandservice</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Catalogues (*.csv *.ods *.xlsx)</source>
        <translation>Kataloge (*.csv *.ods *.xlsx)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Text in any column: Enter or F3 goes to the next row, Escape shows all</source>
        <translation>Text in einer beliebigen Spalte: Eingabe oder F3 geht zur nächsten Zeile, Esc zeigt alle</translation>
    </message>
    <message>
        <source>Find in the catalogue</source>
        <translation>Im Katalog suchen</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>HtmlSourceWindow</name>
    <message>
        <source>Html Code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>The page %1 cannot be shown: %2.</source>
        <translation>Die Seite %1 kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>The page %1 cannot be read to its end: %2.</source>
        <translation>Die Seite %1 kann nicht bis zum Ende gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>ItemRecord</name>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Artikeltext</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Ie https://i.ebayimg.com/images/imagename.jpg</source>
        <translation>z. B. https://i.ebayimg.com/images/bildname.jpg</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Ie $29.99</source>
        <translation>z. B. $29.99</translation>
    </message>
    <message>
        <source>First Bid</source>
        <translation>Gebot</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ie Nov-25-02 10:33:39 PST</source>
        <translation>z. B. Nov-25-02 10:33:39 PST</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>LayoutDialog</name>
    <message>
        <source>Color options</source>
        <translation>Farboptionen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Auction Layout</source>
        <translation>Angebotslayout</translation>
    </message>
</context>
<context>
    <name>ListingDetailsList</name>
    <message>
        <source>&amp;Listing details</source>
        <translation>&amp;Angebotsdetails</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Listing details</source>
        <translation>Angebotsdetails</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Add a column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the column</source>
        <translation>Spalte entfernen</translation>
    </message>
    <message>
        <source>Template...</source>
        <translation>Vorlage...</translation>
    </message>
    <message>
        <source>Add columns from an eBay template</source>
        <translation>Spalten aus einer eBay-Vorlage hinzufügen</translation>
    </message>
</context>
<context>
    <name>MainWindowLayout</name>
    <message>
        <source>Seller</source>
        <translation>Händler</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Country/Region </source>
        <translation>Land/Region </translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Htmls:</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Html</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Open a catalogue file</source>
        <translation>Eine Katalogdatei öffnen</translation>
    </message>
    <message>
        <source>Insert a new record</source>
        <translation>Einen neuen Datensatz anlegen</translation>
    </message>
    <message>
        <source>Write the pages of all items</source>
        <translation>Die Seiten aller Artikel schreiben</translation>
    </message>
    <message>
        <source>Save the catalogue as a file</source>
        <translation>Den Katalog als Datei speichern</translation>
    </message>
    <message>
        <source>Show the help page</source>
        <translation>Die Hilfeseite anzeigen</translation>
    </message>
    <message>
        <source>Show eBay&apos;s category list</source>
        <translation>Die eBay-Kategorienliste anzeigen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View Html Code</source>
        <translation>HTML ansehen</translation>
    </message>
    <message>
        <source>View Page</source>
        <translation>Seite ansehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export the catalogue as eBay&apos;s bulk listing file</source>
        <translation>Den Katalog als eBay-Datei zum Hochladen vieler Angebote exportieren</translation>
    </message>
    <message>
        <source>LOAD CSV</source>
        <translation>CSV LADEN</translation>
    </message>
    <message>
        <source>INSERT NEW RECORD</source>
        <translation>NEUEN DATENSATZ ANLEGEN</translation>
    </message>
    <message>
        <source>HTMLS</source>
        <translation>SEITEN</translation>
    </message>
    <message>
        <source>SAVE AS</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>Items in the catalogue</source>
        <translation>Artikel im Katalog</translation>
    </message>
    <message>
        <source>Pages written</source>
        <translation>Geschriebene Seiten</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
</context>
<context>
    <name>OutputFolderDialog</name>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder. Choose a folder in the list, or type the path of one.</source>
        <translation>„%1“ ist eine Datei, kein Ordner. Wählen Sie einen Ordner in der Liste aus oder geben Sie den Pfad eines Ordners ein.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made: %2.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Name of the new folder:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>Output Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Pages go to:</source>
        <translation>&amp;Zielordner der Seiten:</translation>
    </message>
    <message>
        <source>Pages go to</source>
        <translation>Zielordner der Seiten</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Htmls</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Type the folder the pages go to, or choose one in the list.</source>
        <translation>Geben Sie den Zielordner der Seiten ein oder wählen Sie einen in der Liste aus.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;. Make it?</source>
        <translation>Es gibt keinen Ordner „%1“. Soll er angelegt werden?</translation>
    </message>
    <message>
        <source>Type the folder to make the new folder in, or choose one in the list.</source>
        <translation>Geben Sie den Ordner ein, in dem der neue Ordner angelegt werden soll, oder wählen Sie einen in der Liste aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a folder: a name holds no &quot;/&quot; and is not &quot;.&quot; or &quot;..&quot;.</source>
        <translation>„%1“ kann kein Ordnername sein: Ein Name enthält kein „/“ und ist weder „.“ noch „..“.</translation>
    </message>
    <message>
        <source>There is a file named &quot;%1&quot; in &quot;%2&quot; already.</source>
        <translation>In „%2“ gibt es schon eine Datei namens „%1“.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is there already; it is open now.</source>
        <translation>Den Ordner „%1“ gibt es schon; er ist jetzt geöffnet.</translation>
    </message>
    <message>
        <source>This is a file, not a folder.</source>
        <translation>Das ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>There is no such folder yet: Ok makes it.</source>
        <translation>Diesen Ordner gibt es noch nicht: OK legt ihn an.</translation>
    </message>
    <message>
        <source>No page here will be replaced.</source>
        <translation>Hier wird keine Seite ersetzt.</translation>
    </message>
    <message>
        <source>1 page here will be replaced.</source>
        <translation>Hier wird 1 Seite ersetzt.</translation>
    </message>
    <message>
        <source>%1 pages here will be replaced.</source>
        <translation>Hier werden %1 Seiten ersetzt.</translation>
    </message>
</context>
<context>
    <name>PageChoiceLists</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default Mirrored</source>
        <translation>Standard gespiegelt</translation>
    </message>
    <message>
        <source>Horizontal Top</source>
        <translation>Waagerecht oben</translation>
    </message>
    <message>
        <source>Horizontal Botton</source>
        <translation>Waagerecht unten</translation>
    </message>
</context>
<context>
    <name>PagePreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>View Page in the browser</source>
        <translation>Seite im Browser ansehen</translation>
    </message>
    <message>
        <source>Copy Description</source>
        <translation>Beschreibung kopieren</translation>
    </message>
    <message>
        <source>Copy the item&apos;s description, as HTML, for the HTML view of eBay&apos;s listing form (Ctrl+Shift+C)</source>
        <translation>Die Beschreibung des Artikels als HTML kopieren, für die HTML-Ansicht des eBay-Angebotsformulars (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>The page engine has not drawn the page after %1 seconds.</source>
        <translation>Die Seiten-Engine hat die Seite nach %1 Sekunden noch nicht gezeichnet.</translation>
    </message>
    <message>
        <source>The page cannot be drawn here: %1.</source>
        <translation>Die Seite kann hier nicht gezeichnet werden: %1.</translation>
    </message>
    <message>
        <source>Colour &amp;scheme:</source>
        <translation>&amp;Farbschema:</translation>
    </message>
    <message>
        <source>Colour scheme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>ist abgestürzt</translation>
    </message>
    <message>
        <source>was killed</source>
        <translation>wurde zwangsweise beendet</translation>
    </message>
    <message>
        <source>ended (status %1)</source>
        <translation>hat sich beendet (Status %1)</translation>
    </message>
    <message>
        <source>The page engine&apos;s drawing process %1.</source>
        <translation>Der Zeichenprozess der Seiten-Engine %1.</translation>
    </message>
    <message>
        <source>No page can be made for this record: %1.</source>
        <translation>Für diesen Datensatz kann keine Seite erstellt werden: %1.</translation>
    </message>
    <message>
        <source>This page is %L1 KB long, too long to be shown here. Write the pages and open it with View Page.</source>
        <translation>Diese Seite ist %L1 KB lang, zu lang, um hier angezeigt zu werden. Schreiben Sie die Seiten und öffnen Sie sie mit „Seite ansehen“.</translation>
    </message>
    <message>
        <source>Item %1, as HTMLS would write it now to %2. This window writes nothing.</source>
        <translation>Artikel %1, wie SEITEN ihn jetzt in %2 schreiben würde. Dieses Fenster schreibt nichts.</translation>
    </message>
    <message>
        <source> It shows the form&apos;s changes, not stored yet: Save and HTMLS write them only once Update has stored them.</source>
        <translation> Es zeigt die noch nicht übernommenen Änderungen im Formular: Speichern und SEITEN schreiben sie erst, wenn Ändern sie übernommen hat.</translation>
    </message>
    <message>
        <source>The page engine could not load the page.</source>
        <translation>Die Seiten-Engine konnte die Seite nicht laden.</translation>
    </message>
    <message>
        <source> View Page in the browser shows the page as it would be written now.</source>
        <translation> „Seite im Browser ansehen“ zeigt die Seite so, wie sie jetzt geschrieben würde.</translation>
    </message>
    <message>
        <source>No copy of the page can be made for the browser: %1.</source>
        <translation>Für den Browser kann keine Kopie der Seite angelegt werden: %1.</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
</context>
<context>
    <name>RecordEditor</name>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>&lt; html not generated &gt;</source>
        <translation>&lt; keine Seite geschrieben &gt;</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>WindowListingExport</name>
    <message>
        <source>The catalogue has no items to export. Open a catalogue or insert a record first.</source>
        <translation>Der Katalog hat keine Artikel zum Exportieren. Öffnen Sie zuerst einen Katalog oder legen Sie einen Datensatz an.</translation>
    </message>
    <message>
        <source>Nothing was exported: %1.</source>
        <translation>Es wurde nichts exportiert: %1.</translation>
    </message>
    <message>
        <source>Every row has an error that eBay would refuse, so there is nothing to export:

</source>
        <translation>Jede Zeile hat einen Fehler, den eBay ablehnen würde, deshalb gibt es nichts zu exportieren:

</translation>
    </message>
    <message>
        <source>Nothing was exported: </source>
        <translation>Es wurde nichts exportiert: </translation>
    </message>
    <message>
        <source>the listing file</source>
        <translation>die Angebotsdatei</translation>
    </message>
    <message>
        <source>. Export again and give the listing file a name of its own.</source>
        <translation>. Exportieren Sie noch einmal und geben Sie der Angebotsdatei einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>Lotcraft could not export the listings.

</source>
        <translation>Lotcraft konnte die Angebote nicht exportieren.

</translation>
    </message>
    <message>
        <source>1 listing</source>
        <translation>1 Angebot</translation>
    </message>
    <message>
        <source>%1 listings</source>
        <translation>%1 Angebote</translation>
    </message>
    <message>
        <source>Exported %1 for %2 to %3</source>
        <translation>%1 für %2 nach %3 exportiert</translation>
    </message>
    <message>
        <source>Wrote %1 for %2 to %3. Upload it in eBay&apos;s Seller Hub: Reports, Uploads.</source>
        <translation>%1 für %2 in %3 geschrieben. Laden Sie die Datei im Seller Hub von eBay hoch: Berichte, Uploads.</translation>
    </message>
    <message>
        <source>

These rows were left out, since eBay would refuse them:

</source>
        <translation>

Diese Zeilen wurden ausgelassen, weil eBay sie ablehnen würde:

</translation>
    </message>
    <message>
        <source>

Correct them and export again.</source>
        <translation>

Korrigieren Sie sie und exportieren Sie noch einmal.</translation>
    </message>
</context>
<context>
    <name>WindowPageRun</name>
    <message>
        <source>Writing the pages into %1 ...</source>
        <translation>Die Seiten werden in %1 geschrieben ...</translation>
    </message>
    <message>
        <source> %1 %2 skipped.</source>
        <translation> %1 %2 übersprungen.</translation>
    </message>
    <message>
        <source>was</source>
        <translation>wurde</translation>
    </message>
    <message>
        <source>were</source>
        <translation>wurden</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 in %2 geschrieben.</translation>
    </message>
    <message>
        <source>Stopped after %1 in %2.</source>
        <translation>Nach %1 in %2 angehalten.</translation>
    </message>
    <message>
        <source>No page was written. Correct it, or choose another folder, and press HTMLS again.</source>
        <translation>Es wurde keine Seite geschrieben. Korrigieren Sie den Fehler oder wählen Sie einen anderen Ordner, und drücken Sie noch einmal SEITEN.</translation>
    </message>
    <message>
        <source>The pages of the rows before it are written and marked. Correct the row, or choose another folder, and press HTMLS again.</source>
        <translation>Die Seiten der Zeilen davor sind geschrieben und markiert. Korrigieren Sie die Zeile oder wählen Sie einen anderen Ordner, und drücken Sie noch einmal SEITEN.</translation>
    </message>
    <message>
        <source>The pages are written and marked, but the pictures they show are not all beside them.</source>
        <translation>Die Seiten sind geschrieben und markiert, aber nicht alle Bilder, die sie zeigen, liegen neben ihnen.</translation>
    </message>
    <message>
        <source>Lotcraft could not write all the pages.

</source>
        <translation>Lotcraft konnte nicht alle Seiten schreiben.

</translation>
    </message>
    <message>
        <source>No page was written for these rows, since their pages would have been lost or wrong:

</source>
        <translation>Für diese Zeilen wurde keine Seite geschrieben, weil ihre Seiten verloren gegangen oder falsch geworden wären:

</translation>
    </message>
    <message>
        <source>

Correct them and press HTMLS again.</source>
        <translation>

Korrigieren Sie sie und drücken Sie noch einmal SEITEN.</translation>
    </message>
</context>
</TS>
