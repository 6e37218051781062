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
    <name>BackgroundFileWriter</name>
    <message>
        <source>the page</source>
        <translation>die Seite</translation>
    </message>
    <message>
        <source>the page cannot be written: </source>
        <translation>die Seite kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>an unknown failure</source>
        <translation>ein unbekannter Fehler</translation>
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
    <name>CatalogueCheck</name>
    <message>
        <source>The item number %1 cannot name a page file: %2.</source>
        <translation>Die Artikelnummer %1 kann keine Seitendatei benennen: %2.</translation>
    </message>
    <message>
        <source>Type an item number for this row.</source>
        <translation>Geben Sie für diese Zeile eine Artikelnummer ein.</translation>
    </message>
    <message>
        <source>Change the item number: it may hold no &quot;/&quot;, line break or NUL character and may not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Ändern Sie die Artikelnummer: Sie darf kein &quot;/&quot;, keinen Zeilenumbruch und kein NUL-Zeichen enthalten und nicht &quot;.&quot; oder &quot;..&quot; lauten.</translation>
    </message>
    <message>
        <source>The page&apos;s file name would be %1 bytes long; the output folder takes names of at most %2 bytes.</source>
        <translation>Der Dateiname der Seite wäre %1 Byte lang; der Ausgabeordner nimmt Namen von höchstens %2 Byte an.</translation>
    </message>
    <message>
        <source>Shorten the item number to %1 bytes at most (a letter beyond plain English takes two bytes or more).</source>
        <translation>Kürzen Sie die Artikelnummer auf höchstens %1 Byte (ein Buchstabe außerhalb des englischen Alphabets, etwa ä oder ß, braucht zwei Byte oder mehr).</translation>
    </message>
    <message>
        <source>The page&apos;s path would be %1 bytes long; the system takes paths of at most %2 bytes.</source>
        <translation>Der Pfad der Seite wäre %1 Byte lang; das System nimmt Pfade von höchstens %2 Byte an.</translation>
    </message>
    <message>
        <source>Choose an output folder with a shorter path, or shorten the item number.</source>
        <translation>Wählen Sie einen Ausgabeordner mit kürzerem Pfad oder kürzen Sie die Artikelnummer.</translation>
    </message>
    <message>
        <source>The page %1 would replace the file of that name that Lotcraft needs in its own folder, the output folder.</source>
        <translation>Die Seite %1 würde die gleichnamige Datei ersetzen, die Lotcraft in seinem eigenen Ordner braucht, dem Ausgabeordner.</translation>
    </message>
    <message>
        <source>Change the item number, or choose another output folder.</source>
        <translation>Ändern Sie die Artikelnummer oder wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>The page %1 would replace the catalogue %2, which the pages are made of.</source>
        <translation>Die Seite %1 würde den Katalog %2 ersetzen, aus dem die Seiten erstellt werden.</translation>
    </message>
    <message>
        <source>seller</source>
        <translation>Händler</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Händler</translation>
    </message>
    <message>
        <source>your eBay e-mail address</source>
        <translation>Ihre eBay-E-Mail-Adresse</translation>
    </message>
    <message>
        <source>location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>where the items are</source>
        <translation>den Standort der Artikel</translation>
    </message>
    <message>
        <source>country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land/Region</translation>
    </message>
    <message>
        <source>the items&apos; country</source>
        <translation>das Land der Artikel</translation>
    </message>
    <message>
        <source>The %1 still reads %2, the text the %3 box starts with; every page would show it.</source>
        <translation>Im Feld %1 steht noch %2, der Text, mit dem das Feld %3 beginnt; jede Seite würde ihn zeigen.</translation>
    </message>
    <message>
        <source>Type %1 into the %2 box (%3 for lotcraft-pages).</source>
        <translation>Geben Sie %1 in das Feld %2 ein (%3 für lotcraft-pages).</translation>
    </message>
    <message>
        <source>The seller is empty, so every seller link of the pages leads nowhere.</source>
        <translation>Das Feld Händler ist leer, deshalb führt jeder Händler-Link der Seiten ins Leere.</translation>
    </message>
    <message>
        <source>Type your eBay e-mail address into the Seller box (--seller for lotcraft-pages).</source>
        <translation>Geben Sie Ihre eBay-E-Mail-Adresse in das Feld Händler ein (--seller für lotcraft-pages).</translation>
    </message>
    <message>
        <source>The %1 %2 is a bare number; the page shows it as &quot;US %3&quot;.</source>
        <translation>%1 %2 ist eine bloße Zahl; die Seite zeigt sie als &quot;US %3&quot;.</translation>
    </message>
    <message>
        <source>Write it as an amount, $%1.%2.</source>
        <translation>Schreiben Sie ihn als Betrag, $%1.%2.</translation>
    </message>
    <message>
        <source>the page would have no title</source>
        <translation>die Seite hätte keinen Titel</translation>
    </message>
    <message>
        <source>The price is empty; the page would show no price.</source>
        <translation>Der Preis ist leer; die Seite würde keinen Preis zeigen.</translation>
    </message>
    <message>
        <source>Type the price, for example $29.99.</source>
        <translation>Geben Sie den Preis ein, zum Beispiel $29.99.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Der Preis</translation>
    </message>
    <message>
        <source>first bid</source>
        <translation>Das Startgebot</translation>
    </message>
    <message>
        <source>browsers leave such pictures out of an https page</source>
        <translation>Browser lassen solche Bilder auf einer https-Seite weg</translation>
    </message>
    <message>
        <source>Row %1 has the same item number; this row&apos;s page %2 would replace that row&apos;s.</source>
        <translation>Zeile %1 hat dieselbe Artikelnummer; die Seite %2 dieser Zeile würde die jener Zeile ersetzen.</translation>
    </message>
    <message>
        <source>Give this row an item number of its own, or delete it if it repeats row %1.</source>
        <translation>Geben Sie dieser Zeile eine eigene Artikelnummer oder löschen Sie sie, wenn sie Zeile %1 wiederholt.</translation>
    </message>
    <message>
        <source>the page %1</source>
        <translation>die Seite %1</translation>
    </message>
    <message>
        <source>The item number differs from row %1&apos;s %2 only in letter case; on a disk or web server that ignores case the two pages are one.</source>
        <translation>Die Artikelnummer unterscheidet sich von %2 aus Zeile %1 nur in der Groß- und Kleinschreibung; auf einem Datenträger oder Webserver, der sie nicht unterscheidet, sind die beiden Seiten eine.</translation>
    </message>
    <message>
        <source>Give the two items numbers that differ in more than letter case.</source>
        <translation>Geben Sie den beiden Artikeln Nummern, die sich nicht nur in der Groß- und Kleinschreibung unterscheiden.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
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
    <name>CatalogueColumns</name>
    <message>
        <source>field %1 cannot be matched to kept column %2</source>
        <translation>Feld %1 kann nicht der übernommenen Spalte %2 zugeordnet werden</translation>
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
    <name>CatalogueFinding</name>
    <message>
        <source>Row %1, item &quot;%2&quot;: </source>
        <translation>Zeile %1, Artikel &quot;%2&quot;: </translation>
    </message>
    <message>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
</context>
<context>
    <name>CatalogueFindings</name>
    <message>
        <source>The picture address %1 does not start with https://; %2.</source>
        <translation>Die Bildadresse %1 beginnt nicht mit https://; %2.</translation>
    </message>
    <message>
        <source>Give the picture&apos;s https:// address.</source>
        <translation>Geben Sie die https://-Adresse des Bildes an.</translation>
    </message>
    <message>
        <source>The title is empty; %1.</source>
        <translation>Der Titel ist leer; %1.</translation>
    </message>
    <message>
        <source>Type the item&apos;s title.</source>
        <translation>Geben Sie den Titel des Artikels ein.</translation>
    </message>
    <message>
        <source>The title is %1 characters long; eBay takes at most %2.</source>
        <translation>Der Titel ist %1 Zeichen lang; eBay nimmt höchstens %2 an.</translation>
    </message>
    <message>
        <source>Shorten the title to %1 characters.</source>
        <translation>Kürzen Sie den Titel auf %1 Zeichen.</translation>
    </message>
    <message>
        <source>From this row on, the catalogue file&apos;s items do not line up with its lines (a value with a comma or a line break that is not in quotes?), so this row&apos;s values may be in the wrong columns or belong to other items.</source>
        <translation>Ab dieser Zeile stimmen die Artikel der Katalogdatei nicht mehr mit ihren Zeilen überein (ein Wert mit Komma oder Zeilenumbruch, der nicht in Anführungszeichen steht?), deshalb stehen die Werte dieser Zeile vielleicht in den falschen Spalten oder gehören zu anderen Artikeln.</translation>
    </message>
    <message>
        <source>The catalogue file&apos;s items stop lining up with its lines at row %1, so this row&apos;s values may be in the wrong columns or belong to other items.</source>
        <translation>Ab Zeile %1 stimmen die Artikel der Katalogdatei nicht mehr mit ihren Zeilen überein, deshalb stehen die Werte dieser Zeile vielleicht in den falschen Spalten oder gehören zu anderen Artikeln.</translation>
    </message>
    <message>
        <source>Compare the row with the catalogue file and correct it; in the file, put in quotes each value that holds a comma or a line break.</source>
        <translation>Vergleichen Sie die Zeile mit der Katalogdatei und korrigieren Sie sie; setzen Sie in der Datei jeden Wert, der ein Komma oder einen Zeilenumbruch enthält, in Anführungszeichen.</translation>
    </message>
    <message>
        <source>Row 1 reads like a row of column names, not an item; it would become %1.</source>
        <translation>Zeile 1 sieht aus wie eine Zeile mit Spaltennamen, nicht wie ein Artikel; daraus würde %1.</translation>
    </message>
    <message>
        <source>Delete row 1 if it is the spreadsheet&apos;s heading row: a catalogue starts with its first item.</source>
        <translation>Löschen Sie Zeile 1, wenn sie die Überschriftszeile des Tabellendokuments ist: Ein Katalog beginnt mit seinem ersten Artikel.</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Artikeltext</translation>
    </message>
    <message>
        <source>The %1 holds %2, active content that eBay removes or refuses the listing for.</source>
        <translation>Das Feld %1 enthält %2, aktive Inhalte, die eBay entfernt oder derentwegen es das Angebot ablehnt.</translation>
    </message>
    <message>
        <source>Take the scripts, frames, forms, event attributes (&quot;on...=&quot;) and javascript:, vbscript: and data: addresses out of the %1; plain HTML such as &lt;b&gt; or &lt;br&gt; stays.</source>
        <translation>Entfernen Sie Skripte, Frames, Formulare, Ereignisattribute (&quot;on...=&quot;) und Adressen mit javascript:, vbscript: und data: aus dem Feld %1; einfaches HTML wie &lt;b&gt; oder &lt;br&gt; bleibt.</translation>
    </message>
</context>
<context>
    <name>CatalogueReader</name>
    <message>
        <source>no record before it has been read</source>
        <translation>davor wurde kein Datensatz gelesen</translation>
    </message>
    <message>
        <source>the record before it has been read</source>
        <translation>der Datensatz davor wurde gelesen</translation>
    </message>
    <message>
        <source>the %1 records before it have been read</source>
        <translation>die %1 Datensätze davor wurden gelesen</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>this is %1, not a catalogue file, and has not been read; choose a catalogue file (.csv) and open it</source>
        <translation>das ist %1, keine Katalogdatei, und wurde nicht gelesen; wählen Sie eine Katalogdatei (.csv) und öffnen Sie sie</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB, more than a catalogue can be; check that you chose the catalogue file (.csv)</source>
        <translation>die Datei ist größer als %1 MiB, mehr als ein Katalog sein kann; prüfen Sie, ob Sie die Katalogdatei (.csv) gewählt haben</translation>
    </message>
    <message>
        <source>the catalogue cannot be read: %1</source>
        <translation>der Katalog kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Each line of %1 holds %2, not %3: it was read as one item a line, the missing fields left empty.</source>
        <translation>Jede Zeile von %1 enthält %2, nicht %3: Sie wurde als ein Artikel je Zeile gelesen, die fehlenden Felder blieben leer.</translation>
    </message>
    <message>
        <source>The items from item %1 on may be shifted: compare them with the file, put such values in quotes, and open the file again.</source>
        <translation>Die Artikel ab Artikel %1 sind vielleicht verschoben: Vergleichen Sie sie mit der Datei, setzen Sie solche Werte in Anführungszeichen und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Line %1 of %2 holds %3, not %4: a value with a comma that is not in quotes? %5</source>
        <translation>Zeile %1 von %2 enthält %3, nicht %4: ein Wert mit Komma, der nicht in Anführungszeichen steht? %5</translation>
    </message>
    <message>
        <source>Line %1 of %2 holds %3, not %4, and the item it starts ends inside line %5, which holds %6: a value with a line break or a comma that is not in quotes? %7</source>
        <translation>Zeile %1 von %2 enthält %3, nicht %4, und der Artikel, der dort beginnt, endet mitten in Zeile %5, die %6 enthält: ein Wert mit Zeilenumbruch oder Komma, der nicht in Anführungszeichen steht? %7</translation>
    </message>
    <message>
        <source>Line %1 of %2 opens a value with a double quote that is closed only on line %3, by a double quote followed by other text (an inch mark, as in 12&quot; ruler?), so the lines between were read into one value of item %4. The items from item %4 on may be shifted: compare them with the file, put each value that holds a double quote in quotes with its double quotes doubled (&quot;12&quot;&quot; ruler&quot;), and open the file again.</source>
        <translation>Zeile %1 von %2 beginnt einen Wert mit einem Anführungszeichen, das erst in Zeile %3 geschlossen wird, durch ein Anführungszeichen, dem weiterer Text folgt (ein Zoll-Zeichen wie in 12&quot; Lineal?), deshalb wurden die Zeilen dazwischen als ein Wert von Artikel %4 gelesen. Die Artikel ab Artikel %4 sind vielleicht verschoben: Vergleichen Sie sie mit der Datei, setzen Sie jeden Wert, der ein Anführungszeichen enthält, in Anführungszeichen und verdoppeln Sie seine Anführungszeichen (&quot;12&quot;&quot; Lineal&quot;), und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>field %1 of item %2</source>
        <translation>Feld %1 von Artikel %2</translation>
    </message>
    <message>
        <source>Line %1 of %2 has text after the double quote that closes %3; it was kept as part of the value. Check that value.</source>
        <translation>Zeile %1 von %2 hat Text nach dem Anführungszeichen, das %3 schließt; er wurde als Teil des Werts übernommen. Prüfen Sie diesen Wert.</translation>
    </message>
    <message>
        <source>%1 values of %2 have text after the double quote that closes them, the first on line %3 (%4); it was kept as part of each value. Check those values.</source>
        <translation>%1 Werte von %2 haben Text nach dem Anführungszeichen, das sie schließt, der erste in Zeile %3 (%4); er wurde jeweils als Teil des Werts übernommen. Prüfen Sie diese Werte.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is blank and was skipped.</source>
        <translation>Zeile %1 von %2 ist leer und wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 blank lines between the items of %2 were skipped, the first of them line %3.</source>
        <translation>%1 leere Zeilen zwischen den Artikeln von %2 wurden übersprungen, die erste davon Zeile %3.</translation>
    </message>
    <message>
        <source>record %1 is cut short by the end of the file: it has %2 of its %3 fields and has not been read; %4</source>
        <translation>Datensatz %1 wird vom Ende der Datei abgeschnitten: Er hat %2 seiner %3 Felder und wurde nicht gelesen; %4</translation>
    </message>
    <message>
        <source>field %1 of record %2 opens a double quote that is never closed, so the record has not been read; %3</source>
        <translation>Feld %1 von Datensatz %2 öffnet ein Anführungszeichen, das nie geschlossen wird, deshalb wurde der Datensatz nicht gelesen; %3</translation>
    </message>
    <message>
        <source>the catalogue holds more than %1 records, the most Lotcraft can hold; the first %1 have been read</source>
        <translation>der Katalog enthält mehr als %1 Datensätze, die meisten, die Lotcraft fassen kann; die ersten %1 wurden gelesen</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a spreadsheet (OpenDocument, .ods)</source>
        <translation>ein Tabellendokument (OpenDocument, .ods)</translation>
    </message>
    <message>
        <source>a spreadsheet (Excel, .xlsx)</source>
        <translation>ein Tabellendokument (Excel, .xlsx)</translation>
    </message>
    <message>
        <source>a text document (.odt or .docx)</source>
        <translation>ein Textdokument (.odt oder .docx)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a spreadsheet or document in the old Office format (.xls, .doc)</source>
        <translation>ein Tabellen- oder Textdokument im alten Office-Format (.xls, .doc)</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>ein Bild</translation>
    </message>
    <message>
        <source>the file holds zero bytes, which no text file holds, so it is no CSV file and has not been read; if it is a catalogue, save it again as CSV (UTF-8) from the program that made it, and open that</source>
        <translation>die Datei enthält Null-Bytes, die keine Textdatei enthält, sie ist also keine CSV-Datei und wurde nicht gelesen; wenn sie ein Katalog ist, speichern Sie sie in dem Programm, das sie erstellt hat, erneut als CSV (UTF-8) und öffnen Sie diese Datei</translation>
    </message>
    <message>
        <source>this is %1, not a CSV file, and has not been read: save it as CSV from the spreadsheet program (Text CSV, character set UTF-8) and open that</source>
        <translation>das ist %1, keine CSV-Datei, und wurde nicht gelesen: Speichern Sie es in der Tabellenkalkulation als CSV (Text CSV, Zeichensatz UTF-8) und öffnen Sie diese Datei</translation>
    </message>
    <message>
        <source>this is %1, not a CSV file, and has not been read: choose the catalogue file (.csv) and open it</source>
        <translation>das ist %1, keine CSV-Datei, und wurde nicht gelesen: Wählen Sie die Katalogdatei (.csv) und öffnen Sie sie</translation>
    </message>
    <message>
        <source>the sheet holds more than %1 items, the most Lotcraft can hold; the first %1 have been read</source>
        <translation>die Tabelle enthält mehr als %1 Artikel, die meisten, die Lotcraft fassen kann; die ersten %1 wurden gelesen</translation>
    </message>
    <message>
        <source>%1 holds %2 sheets: the first, &quot;%3&quot;, was read.</source>
        <translation>%1 enthält %2 Tabellen: Die erste, &quot;%3&quot;, wurde gelesen.</translation>
    </message>
    <message>
        <source>the catalogue is saved in UTF-32, which Lotcraft does not read, and has not been read; save it as UTF-8 (in a spreadsheet program: Text CSV, character set Unicode UTF-8) and open it again</source>
        <translation>der Katalog ist in UTF-32 gespeichert, das Lotcraft nicht liest, und wurde nicht gelesen; speichern Sie ihn als UTF-8 (in einer Tabellenkalkulation: Text CSV, Zeichensatz Unicode UTF-8) und öffnen Sie ihn erneut</translation>
    </message>
    <message>
        <source>the catalogue holds many zero bytes, as a file saved in UTF-16 does, but how to read it cannot be told, so it has not been read; save it as UTF-8 (in a spreadsheet program: Text CSV, character set Unicode UTF-8) and open it again</source>
        <translation>der Katalog enthält viele Null-Bytes wie eine in UTF-16 gespeicherte Datei, aber wie er zu lesen ist, lässt sich nicht feststellen, deshalb wurde er nicht gelesen; speichern Sie ihn als UTF-8 (in einer Tabellenkalkulation: Text CSV, Zeichensatz Unicode UTF-8) und öffnen Sie ihn erneut</translation>
    </message>
    <message>
        <source>The last byte of %1 is half a character of UTF-16; it was left out.</source>
        <translation>Das letzte Byte von %1 ist ein halbes UTF-16-Zeichen; es wurde weggelassen.</translation>
    </message>
    <message>
        <source>the catalogue cannot be opened: %1</source>
        <translation>der Katalog kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 changed while it was read: if a program is still writing it, open it again once that program has finished.</source>
        <translation>%1 hat sich beim Lesen geändert: Wenn ein Programm die Datei noch schreibt, öffnen Sie sie erneut, sobald das Programm fertig ist.</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>The first line of %1 is its heading: %2.</source>
        <translation>Die erste Zeile von %1 ist ihre Überschrift: %2.</translation>
    </message>
    <message>
        <source> No column holds %1: %2 read empty.</source>
        <translation> Keine Spalte enthält %1: %2 leer.</translation>
    </message>
    <message>
        <source>it is</source>
        <translation>es bleibt</translation>
    </message>
    <message>
        <source>they are</source>
        <translation>sie bleiben</translation>
    </message>
    <message>
        <source> Kept as %1: %2.</source>
        <translation> Als %1 übernommen: %2.</translation>
    </message>
    <message>
        <source>it stands</source>
        <translation>eigene Spalte</translation>
    </message>
    <message>
        <source>they stand</source>
        <translation>eigene Spalten</translation>
    </message>
    <message>
        <source>the item number (&quot;Item number&quot; or &quot;SKU&quot;)</source>
        <translation>die Artikelnummer (&quot;Item number&quot; oder &quot;SKU&quot;)</translation>
    </message>
    <message>
        <source>the title (&quot;Title&quot;)</source>
        <translation>den Titel (&quot;Title&quot;)</translation>
    </message>
    <message>
        <source>the first line names the columns (%1), but no column holds %2, so the file has not been read; give that column its name in the first line and open the file again</source>
        <translation>die erste Zeile benennt die Spalten (%1), aber keine Spalte enthält %2, deshalb wurde die Datei nicht gelesen; geben Sie dieser Spalte ihren Namen in der ersten Zeile und öffnen Sie die Datei erneut</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>1 field of %1 was not UTF-8 and was read as Windows-1252: check the accented letters in it.</source>
        <translation>1 Feld von %1 war kein UTF-8 und wurde als Windows-1252 gelesen: Prüfen Sie die Umlaute und Akzente darin.</translation>
    </message>
    <message>
        <source>%1 fields of %2 were not UTF-8 and were read as Windows-1252: check the accented letters in them.</source>
        <translation>%1 Felder von %2 waren kein UTF-8 und wurden als Windows-1252 gelesen: Prüfen Sie die Umlaute und Akzente darin.</translation>
    </message>
    <message>
        <source>1 field</source>
        <translation>1 Feld</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 Felder</translation>
    </message>
    <message>
        <source>1 value</source>
        <translation>1 Wert</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>1 character of %1 is not valid UTF-16 and was read as the replacement character �: check the items that show it.</source>
        <translation>1 Zeichen von %1 ist kein gültiges UTF-16 und wurde als Ersatzzeichen � gelesen: Prüfen Sie die Artikel, die es zeigen.</translation>
    </message>
    <message>
        <source>%1 characters of %2 are not valid UTF-16 and were read as the replacement character �: check the items that show it.</source>
        <translation>%1 Zeichen von %2 sind kein gültiges UTF-16 und wurden als Ersatzzeichen � gelesen: Prüfen Sie die Artikel, die es zeigen.</translation>
    </message>
</context>
<context>
    <name>CatalogueWriter</name>
    <message>
        <source>the catalogue cannot be written: %1</source>
        <translation>der Katalog kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>der Katalog</translation>
    </message>
    <message>
        <source>; the file as it was before is unchanged</source>
        <translation>; die Datei ist unverändert, wie sie vorher war</translation>
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
    <name>CheckedRows</name>
    <message>
        <source>no row</source>
        <translation>keine Zeile</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <translation>die Zeilen %1 und %2</translation>
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
    <name>FileIdentity</name>
    <message>
        <source>%1 %2 would replace the catalogue %3</source>
        <translation>%1 %2 würde den Katalog %3 ersetzen</translation>
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
    <name>FolderWriter</name>
    <message>
        <source>cannot be created: %1</source>
        <translation>kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot be written: %1; nothing is left under its name</source>
        <translation>kann nicht geschrieben werden: %1; unter ihrem Namen bleibt nichts zurück</translation>
    </message>
    <message>
        <source>cannot be given its name: %1</source>
        <translation>kann ihren Namen nicht erhalten: %1</translation>
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
    <message>
        <source>an item record has no field %1: its fields are 1 to %2</source>
        <translation>ein Datensatz hat kein Feld %1: seine Felder sind 1 bis %2</translation>
    </message>
    <message>
        <source>an item record has no kept column %1</source>
        <translation>ein Datensatz hat keine übernommene Spalte %1</translation>
    </message>
    <message>
        <source>grid column %1 holds no record field: the fields are in columns %2 to %3</source>
        <translation>Spalte %1 der Liste enthält kein Feld des Datensatzes: die Felder stehen in den Spalten %2 bis %3</translation>
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
    <name>ListingCheck</name>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Artikeltext</translation>
    </message>
    <message>
        <source>The %1 holds the e-mail address %2; eBay takes no contact details in a listing, and may end it.</source>
        <translation>Das Feld %1 enthält die E-Mail-Adresse %2; eBay nimmt keine Kontaktdaten in einem Angebot an und kann es beenden.</translation>
    </message>
    <message>
        <source>Take the address out of the %1: buyers write to you through eBay&apos;s messages.</source>
        <translation>Entfernen Sie die Adresse aus dem Feld %1: Käufer schreiben Ihnen über die Nachrichten von eBay.</translation>
    </message>
    <message>
        <source>The %1 holds %2, which reads like a telephone number; eBay takes no contact details in a listing.</source>
        <translation>Das Feld %1 enthält %2, was wie eine Telefonnummer aussieht; eBay nimmt keine Kontaktdaten in einem Angebot an.</translation>
    </message>
    <message>
        <source>Take the number out of the %1, unless it is no telephone number (a part&apos;s number, say).</source>
        <translation>Entfernen Sie die Nummer aus dem Feld %1, es sei denn, sie ist keine Telefonnummer (etwa eine Teilenummer).</translation>
    </message>
    <message>
        <source>The %1 links to %2; eBay takes links only to its own pages.</source>
        <translation>Das Feld %1 verlinkt auf %2; eBay nimmt nur Links auf seine eigenen Seiten an.</translation>
    </message>
    <message>
        <source>Take the link out of the %1.</source>
        <translation>Entfernen Sie den Link aus dem Feld %1.</translation>
    </message>
    <message>
        <source>eBay takes no listing without one</source>
        <translation>eBay nimmt kein Angebot ohne Titel an</translation>
    </message>
    <message>
        <source>The title holds a line break or a tab; eBay takes a title of one line.</source>
        <translation>Der Titel enthält einen Zeilenumbruch oder Tabulator; eBay nimmt nur einen einzeiligen Titel an.</translation>
    </message>
    <message>
        <source>Put the title on one line.</source>
        <translation>Schreiben Sie den Titel in eine Zeile.</translation>
    </message>
    <message>
        <source>The title holds HTML markup, which eBay shows as typed, tags and all.</source>
        <translation>Der Titel enthält HTML-Auszeichnungen, die eBay so zeigt, wie sie getippt sind, samt Tags.</translation>
    </message>
    <message>
        <source>Take the markup out of the title; the description may hold it.</source>
        <translation>Entfernen Sie die Auszeichnungen aus dem Titel; der Artikeltext darf sie enthalten.</translation>
    </message>
    <message>
        <source>The %1 %2 is in %3; this export is for %4, in %5.</source>
        <translation>%1 %2 ist in %3; dieser Export ist für %4, in %5.</translation>
    </message>
    <message>
        <source>Give the %1 in %2, such as %3, or export for the site of its currency.</source>
        <translation>Geben Sie das Feld %1 in %2 an, etwa %3, oder exportieren Sie für die Website seiner Währung.</translation>
    </message>
    <message>
        <source>The %1 %2 %3; eBay takes amounts from 0.01 to 99,999,999.99 with at most two decimals.</source>
        <translation>%1 %2 %3; eBay nimmt Beträge von 0,01 bis 99.999.999,99 mit höchstens zwei Nachkommastellen an.</translation>
    </message>
    <message>
        <source>Type the %1 as eBay takes it, such as %2.</source>
        <translation>Geben Sie das Feld %1 so ein, wie eBay es annimmt, etwa %2.</translation>
    </message>
    <message>
        <source>first bid</source>
        <translation>Startgebot</translation>
    </message>
    <message>
        <source>The first bid is empty; an auction must start at an amount.</source>
        <translation>Das Startgebot ist leer; eine Auktion muss mit einem Betrag beginnen.</translation>
    </message>
    <message>
        <source>The first bid %1 is not an amount above zero as sellers on %2 write amounts.</source>
        <translation>Das Startgebot %1 ist kein Betrag über null, wie Verkäufer auf %2 Beträge schreiben.</translation>
    </message>
    <message>
        <source>Type the amount the auction starts at, such as %1.</source>
        <translation>Geben Sie den Betrag ein, mit dem die Auktion beginnt, etwa %1.</translation>
    </message>
    <message>
        <source>price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Buy It Now price</source>
        <translation>Sofort-Kaufen-Preis</translation>
    </message>
    <message>
        <source>The %1 %2 is not an amount, so the listing gets no Buy It Now price.</source>
        <translation>%1 %2 ist kein Betrag, deshalb erhält das Angebot keinen Sofort-Kaufen-Preis.</translation>
    </message>
    <message>
        <source>Type the %1 as an amount, such as %2, or leave it empty.</source>
        <translation>Geben Sie das Feld %1 als Betrag ein, etwa %2, oder lassen Sie es leer.</translation>
    </message>
    <message>
        <source>The %1 %2 is less than 1.3 times the first bid %3, so the listing gets no Buy It Now price: eBay takes one only that far above the start.</source>
        <translation>%1 %2 ist weniger als das 1,3-Fache des Startgebots %3, deshalb erhält das Angebot keinen Sofort-Kaufen-Preis: eBay nimmt einen nur so weit über dem Start an.</translation>
    </message>
    <message>
        <source>Raise the %1 to 1.3 times the first bid or more, or leave it empty.</source>
        <translation>Erhöhen Sie das Feld %1 auf das 1,3-Fache des Startgebots oder mehr, oder lassen Sie es leer.</translation>
    </message>
    <message>
        <source>The price is empty; a fixed price listing sells at its price.</source>
        <translation>Der Preis ist leer; ein Festpreisangebot verkauft zu seinem Preis.</translation>
    </message>
    <message>
        <source>The price %1 is not an amount above zero as sellers on %2 write amounts; a fixed price listing sells at its price.</source>
        <translation>Der Preis %1 ist kein Betrag über null, wie Verkäufer auf %2 Beträge schreiben; ein Festpreisangebot verkauft zu seinem Preis.</translation>
    </message>
    <message>
        <source>Type the price the item sells at, such as %1.</source>
        <translation>Geben Sie den Preis ein, zu dem der Artikel verkauft wird, etwa %1.</translation>
    </message>
    <message>
        <source>The listing&apos;s duration cannot be told: %1.</source>
        <translation>Die Laufzeit des Angebots lässt sich nicht bestimmen: %1.</translation>
    </message>
    <message>
        <source>Give start and end times 1, 3, 5, 7 or 10 days apart, such as Nov-25-02 10:33:39 PST and Dec-02-02 10:33:39 PST.</source>
        <translation>Geben Sie Beginn und Ende im Abstand von 1, 3, 5, 7 oder 10 Tagen an, etwa Nov-25-02 10:33:39 PST und Dec-02-02 10:33:39 PST.</translation>
    </message>
    <message>
        <source>runs %1 days</source>
        <translation>läuft %1 Tage</translation>
    </message>
    <message>
        <source>The start %1 is more than %2 days ahead; eBay schedules a listing at most %2 days ahead.</source>
        <translation>Der Beginn %1 liegt mehr als %2 Tage voraus; eBay plant ein Angebot höchstens %2 Tage im Voraus.</translation>
    </message>
    <message>
        <source>Export this row again within %1 days of its start, or start it sooner.</source>
        <translation>Exportieren Sie diese Zeile innerhalb von %1 Tagen vor ihrem Beginn erneut, oder lassen Sie sie früher beginnen.</translation>
    </message>
    <message>
        <source>The start %1 is past: the listing starts when it is uploaded and %2, while its page says it started on %1.</source>
        <translation>Der Beginn %1 ist vorbei: Das Angebot beginnt beim Hochladen und %2, während seine Seite sagt, es habe am %1 begonnen.</translation>
    </message>
    <message>
        <source>Give the start and end times of the listing as it will run, and write the pages again.</source>
        <translation>Geben Sie Beginn und Ende des Angebots so an, wie es laufen wird, und schreiben Sie die Seiten erneut.</translation>
    </message>
    <message>
        <source>The format %1 is not one of eBay&apos;s: Auction or FixedPrice.</source>
        <translation>Das Format %1 ist keines von eBay: Auction oder FixedPrice.</translation>
    </message>
    <message>
        <source>Type Auction or FixedPrice in the Format column, or leave it empty for an auction.</source>
        <translation>Geben Sie Auction oder FixedPrice in die Spalte Format ein, oder lassen Sie sie für eine Auktion leer.</translation>
    </message>
    <message>
        <source>The quantity %1 is not a whole number from 1.</source>
        <translation>Die Menge %1 ist keine ganze Zahl ab 1.</translation>
    </message>
    <message>
        <source>Type how many of the item there are, such as 1 or 5.</source>
        <translation>Geben Sie ein, wie viele Stück des Artikels es gibt, etwa 1 oder 5.</translation>
    </message>
    <message>
        <source>The quantity is %1, but an auction sells one item.</source>
        <translation>Die Menge ist %1, aber eine Auktion verkauft einen Artikel.</translation>
    </message>
    <message>
        <source>Give the quantity 1, or list the row at a fixed price (FixedPrice in its Format column).</source>
        <translation>Geben Sie die Menge 1 an oder bieten Sie die Zeile zum Festpreis an (FixedPrice in ihrer Spalte Format).</translation>
    </message>
    <message>
        <source>The condition %1 is not one of eBay&apos;s condition numbers.</source>
        <translation>Der Zustand %1 ist keine der Zustandsnummern von eBay.</translation>
    </message>
    <message>
        <source>Type eBay&apos;s number of the item&apos;s condition, such as 1000 for New or 3000 for Used, or leave it empty for the export&apos;s own.</source>
        <translation>Geben Sie die eBay-Nummer des Artikelzustands ein, etwa 1000 für Neu oder 3000 für Gebraucht, oder lassen Sie sie leer für den des Exports.</translation>
    </message>
    <message>
        <source>The duration is %1, but a fixed price listing runs until it sells or is ended (GTC).</source>
        <translation>Die Laufzeit ist %1, aber ein Festpreisangebot läuft, bis es verkauft oder beendet wird (GTC).</translation>
    </message>
    <message>
        <source>Type GTC in the Duration column, or leave it empty.</source>
        <translation>Geben Sie GTC in die Spalte Duration ein, oder lassen Sie sie leer.</translation>
    </message>
    <message>
        <source>The duration %1 is not one of an auction&apos;s: 1, 3, 5, 7 or 10 days.</source>
        <translation>Die Laufzeit %1 ist keine einer Auktion: 1, 3, 5, 7 oder 10 Tage.</translation>
    </message>
    <message>
        <source>Type 1, 3, 5, 7 or 10 in the Duration column, or leave it empty for the days between the start and end times.</source>
        <translation>Geben Sie 1, 3, 5, 7 oder 10 in die Spalte Duration ein, oder lassen Sie sie leer für die Tage zwischen Beginn und Ende.</translation>
    </message>
    <message>
        <source>runs until it sells or is ended</source>
        <translation>läuft, bis es verkauft oder beendet wird</translation>
    </message>
    <message>
        <source>The shipping cost %1 is not an amount eBay takes in %2.</source>
        <translation>Die Versandkosten %1 sind kein Betrag, den eBay in %2 annimmt.</translation>
    </message>
    <message>
        <source>Type what shipping costs the buyer, such as %1, 0 for free, or leave it empty for the export&apos;s own.</source>
        <translation>Geben Sie ein, was der Versand den Käufer kostet, etwa %1, 0 für kostenlos, oder lassen Sie es leer für die Versandkosten des Exports.</translation>
    </message>
    <message>
        <source>The item specific %1 is empty; the category requires it (its column is starred).</source>
        <translation>Das Artikelmerkmal %1 ist leer; die Kategorie verlangt es (seine Spalte hat einen Stern).</translation>
    </message>
    <message>
        <source>Fill in %1 for this item.</source>
        <translation>Füllen Sie %1 für diesen Artikel aus.</translation>
    </message>
    <message>
        <source>The brand %1 names no brand; eBay refuses it as one.</source>
        <translation>Die Marke %1 nennt keine Marke; eBay lehnt sie als Marke ab.</translation>
    </message>
    <message>
        <source>Type the item&apos;s brand, or Unbranded where it has none.</source>
        <translation>Geben Sie die Marke des Artikels ein, oder Unbranded, wenn er keine hat.</translation>
    </message>
    <message>
        <source>The item number is %1 characters long; eBay takes custom labels of at most %2.</source>
        <translation>Die Artikelnummer ist %1 Zeichen lang; eBay nimmt Bestandseinheiten (Custom Label) von höchstens %2 an.</translation>
    </message>
    <message>
        <source>Shorten the item number to %1 characters.</source>
        <translation>Kürzen Sie die Artikelnummer auf %1 Zeichen.</translation>
    </message>
    <message>
        <source>The listing&apos;s description would be %1 characters long; eBay takes at most %2.</source>
        <translation>Die Beschreibung des Angebots wäre %1 Zeichen lang; eBay nimmt höchstens %2 an.</translation>
    </message>
    <message>
        <source>Shorten the description by %1 characters.</source>
        <translation>Kürzen Sie den Artikeltext um %1 Zeichen.</translation>
    </message>
    <message>
        <source>The category is empty; eBay lists an item only in a category.</source>
        <translation>Die Kategorie ist leer; eBay bietet einen Artikel nur in einer Kategorie an.</translation>
    </message>
    <message>
        <source>The category %1 is not a number; eBay takes the category&apos;s number.</source>
        <translation>Die Kategorie %1 ist keine Zahl; eBay nimmt die Nummer der Kategorie an.</translation>
    </message>
    <message>
        <source>Type the number of the item&apos;s eBay category (&quot;?&quot; beside the Category box opens eBay&apos;s list).</source>
        <translation>Geben Sie die Nummer der eBay-Kategorie des Artikels ein (&quot;?&quot; neben dem Feld Kategorie öffnet die Liste von eBay).</translation>
    </message>
    <message>
        <source>The row has %1 pictures; eBay takes at most %2 a listing.</source>
        <translation>Die Zeile hat %1 Bilder; eBay nimmt höchstens %2 je Angebot an.</translation>
    </message>
    <message>
        <source>Leave out %1 of the picture addresses.</source>
        <translation>Lassen Sie %1 der Bildadressen weg.</translation>
    </message>
    <message>
        <source>eBay shows only pictures at https:// addresses</source>
        <translation>eBay zeigt nur Bilder mit https://-Adressen</translation>
    </message>
    <message>
        <source>The location still reads %1, the text the Location box starts with; every listing would show it.</source>
        <translation>Im Feld Standort steht noch %1, der Text, mit dem das Feld beginnt; jedes Angebot würde ihn zeigen.</translation>
    </message>
    <message>
        <source>Type where the items are into the Location box (--location for lotcraft-pages).</source>
        <translation>Geben Sie den Standort der Artikel in das Feld Standort ein (--location für lotcraft-pages).</translation>
    </message>
    <message>
        <source>The location is empty; eBay takes no listing without one.</source>
        <translation>Der Standort ist leer; eBay nimmt kein Angebot ohne Standort an.</translation>
    </message>
    <message>
        <source>a listing</source>
        <translation>ein Angebot</translation>
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
    <name>ListingExport</name>
    <message>
        <source>; no listing has been written, and a file that was there is unchanged</source>
        <translation>; es wurde kein Angebot geschrieben, und eine vorhandene Datei ist unverändert</translation>
    </message>
    <message>
        <source>the listing file</source>
        <translation>die Angebotsdatei</translation>
    </message>
</context>
<context>
    <name>ListingOptions</name>
    <message>
        <source>The site &quot;%1&quot; is not one Lotcraft exports for; give %2.</source>
        <translation>Für die Website &quot;%1&quot; exportiert Lotcraft nicht; geben Sie %2 an.</translation>
    </message>
    <message>
        <source>The condition &quot;%1&quot; is not one of eBay&apos;s condition numbers; give %2 for New, %3 for Used, %4 for For parts, or another number eBay lists for the category.</source>
        <translation>Der Zustand &quot;%1&quot; ist keine der Zustandsnummern von eBay; geben Sie %2 für Neu, %3 für Gebraucht, %4 für Als Ersatzteil an, oder eine andere Nummer, die eBay für die Kategorie nennt.</translation>
    </message>
    <message>
        <source>The dispatch time of %1 days is not one eBay takes; give 0 to %2 days.</source>
        <translation>Eine Bearbeitungszeit von %1 Tagen nimmt eBay nicht an; geben Sie 0 bis %2 Tage an.</translation>
    </message>
    <message>
        <source>Name all three business policies (shipping, returns and payment) as they are called on eBay, or none of them and say how the items are sent and whether returns are accepted.</source>
        <translation>Nennen Sie alle drei Rahmenbedingungen (Versand, Rücknahmen und Zahlung) so, wie sie bei eBay heißen, oder keine davon, und geben Sie an, wie die Artikel versandt werden und ob Rücknahmen akzeptiert werden.</translation>
    </message>
    <message>
        <source>eBay needs a shipping service for every listing without business policies: give the code of the service on %1 (such as %2) and its cost, or name your business policies.</source>
        <translation>eBay braucht für jedes Angebot ohne Rahmenbedingungen einen Versandservice: Geben Sie den Code des Services auf %1 (etwa %2) und seine Kosten an, oder nennen Sie Ihre Rahmenbedingungen.</translation>
    </message>
    <message>
        <source>The shipping cost &quot;%1&quot; is not an amount in %2; give it as %3, or 0 for free shipping.</source>
        <translation>Die Versandkosten &quot;%1&quot; sind kein Betrag in %2; geben Sie sie als %3 an, oder 0 für kostenlosen Versand.</translation>
    </message>
    <message>
        <source>Returns within %1 days is not a time eBay offers; give 14, 30 or 60 days.</source>
        <translation>Rücknahmen innerhalb von %1 Tagen bietet eBay nicht an; geben Sie 14, 30 oder 60 Tage an.</translation>
    </message>
</context>
<context>
    <name>ListingSite</name>
    <message>
        <source>eBay US</source>
        <translation>eBay USA</translation>
    </message>
    <message>
        <source>US dollars</source>
        <translation>US-Dollar</translation>
    </message>
    <message>
        <source>eBay UK</source>
        <translation>eBay Großbritannien</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>eBay Germany</source>
        <translation>eBay Deutschland</translation>
    </message>
    <message>
        <source>euros</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>eBay Australia</source>
        <translation>eBay Australien</translation>
    </message>
    <message>
        <source>Australian dollars</source>
        <translation>Australische Dollar</translation>
    </message>
    <message>
        <source>eBay Canada</source>
        <translation>eBay Kanada</translation>
    </message>
    <message>
        <source>Canadian dollars</source>
        <translation>Kanadische Dollar</translation>
    </message>
    <message>
        <source>eBay France</source>
        <translation>eBay Frankreich</translation>
    </message>
    <message>
        <source>eBay Italy</source>
        <translation>eBay Italien</translation>
    </message>
    <message>
        <source>eBay Spain</source>
        <translation>eBay Spanien</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>dollars</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>yen</source>
        <translation>Yen</translation>
    </message>
</context>
<context>
    <name>ListingTemplate</name>
    <message>
        <source>The template %1 cannot be read: %2.</source>
        <translation>Die Vorlage %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is no category template of eBay&apos;s: it is far larger than one.</source>
        <translation>Die Datei %1 ist keine Kategorievorlage von eBay: Sie ist viel größer als eine.</translation>
    </message>
    <message>
        <source>The file %1 is no category template of eBay&apos;s: %2</source>
        <translation>Die Datei %1 ist keine Kategorievorlage von eBay: %2</translation>
    </message>
    <message>
        <source>it holds no heading row.</source>
        <translation>Sie enthält keine Überschriftszeile.</translation>
    </message>
    <message>
        <source>its heading row names no item specific (C:...).</source>
        <translation>Ihre Überschriftszeile nennt kein Artikelmerkmal (C:...).</translation>
    </message>
</context>
<context>
    <name>ListingValues</name>
    <message>
        <source>has more than two decimals</source>
        <translation>hat mehr als zwei Nachkommastellen</translation>
    </message>
    <message>
        <source>is less than 0.01</source>
        <translation>ist kleiner als 0,01</translation>
    </message>
    <message>
        <source>is more than 99,999,999.99</source>
        <translation>ist größer als 99.999.999,99</translation>
    </message>
    <message>
        <source>a time such as Nov-25-02 10:33:39 PST or 2026-12-20 18:00</source>
        <translation>eine Zeit wie Nov-25-02 10:33:39 PST oder 2026-12-20 18:00</translation>
    </message>
    <message>
        <source>the start time is empty</source>
        <translation>der Beginn ist leer</translation>
    </message>
    <message>
        <source>the start time %1 cannot be read as %2</source>
        <translation>der Beginn %1 lässt sich nicht lesen als %2</translation>
    </message>
    <message>
        <source>the end time is empty</source>
        <translation>das Ende ist leer</translation>
    </message>
    <message>
        <source>the end time %1 cannot be read as %2</source>
        <translation>das Ende %1 lässt sich nicht lesen als %2</translation>
    </message>
    <message>
        <source>the end time is not after the start time</source>
        <translation>das Ende liegt nicht nach dem Beginn</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1 days and %2 hours</source>
        <translation>%1 Tage und %2 Stunden</translation>
    </message>
    <message>
        <source>the auction would run %1; eBay&apos;s auctions run 1, 3, 5, 7 or 10 days</source>
        <translation>die Auktion würde %1 laufen; Auktionen bei eBay laufen 1, 3, 5, 7 oder 10 Tage</translation>
    </message>
</context>
<context>
    <name>LotcraftError</name>
    <message>
        <source>Row %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>too many files are open at once: raise the limit (ulimit -n) and run again</source>
        <translation>zu viele Dateien sind gleichzeitig geöffnet: Erhöhen Sie die Grenze (ulimit -n) und starten Sie erneut</translation>
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
    <name>PageBuilder</name>
    <message>
        <source>no output folder is set for the pages</source>
        <translation>für die Seiten ist kein Ausgabeordner eingestellt</translation>
    </message>
    <message>
        <source>the item number &quot;%1&quot; cannot name a page file: %2; change the item number and generate the pages again</source>
        <translation>die Artikelnummer &quot;%1&quot; kann keine Seitendatei benennen: %2; ändern Sie die Artikelnummer und erstellen Sie die Seiten erneut</translation>
    </message>
    <message>
        <source>the item number &quot;%1&quot; would replace %2, which Lotcraft needs in its own folder; change the item number, or choose another output folder</source>
        <translation>die Artikelnummer &quot;%1&quot; würde %2 ersetzen, das Lotcraft in seinem eigenen Ordner braucht; ändern Sie die Artikelnummer oder wählen Sie einen anderen Ausgabeordner</translation>
    </message>
    <message>
        <source>the page</source>
        <translation>die Seite</translation>
    </message>
    <message>
        <source> the pages are made of; change the item number, or choose another output folder</source>
        <translation>, aus dem die Seiten erstellt werden; ändern Sie die Artikelnummer oder wählen Sie einen anderen Ausgabeordner</translation>
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
    <name>PageName</name>
    <message>
        <source>it is empty, so the page would be the hidden file &quot;%1&quot;</source>
        <translation>sie ist leer, die Seite wäre also die versteckte Datei &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it holds &quot;/&quot;</source>
        <translation>sie enthält &quot;/&quot;</translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation>sie enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>it names a folder</source>
        <translation>sie benennt einen Ordner</translation>
    </message>
    <message>
        <source>it holds a line break</source>
        <translation>sie enthält einen Zeilenumbruch</translation>
    </message>
</context>
<context>
    <name>PagePictures</name>
    <message>
        <source>; reinstall Lotcraft to bring it back</source>
        <translation>; installieren Sie Lotcraft neu, um es wiederherzustellen</translation>
    </message>
    <message>
        <source>the picture cannot be loaded: </source>
        <translation>das Bild kann nicht geladen werden: </translation>
    </message>
    <message>
        <source>the picture cannot be read: </source>
        <translation>das Bild kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>the copy of the picture</source>
        <translation>die Kopie des Bildes</translation>
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
    <name>PageRun</name>
    <message>
        <source>the picture</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source> the pages are made of, so no page has been written; move the catalogue out of the output folder, or choose another output folder</source>
        <translation>, aus dem die Seiten erstellt werden, deshalb wurde keine Seite geschrieben; verschieben Sie den Katalog aus dem Ausgabeordner oder wählen Sie einen anderen Ausgabeordner</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
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
    <message>
        <source>The item with no number</source>
        <translation>Der Artikel ohne Nummer</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Artikel %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this record ?

</source>
        <translation>Möchten Sie diesen Datensatz wirklich löschen?

</translation>
    </message>
    <message>
        <source>Delete %1 items (%2 to %3) ?</source>
        <translation>%1 Artikel löschen (%2 bis %3)?</translation>
    </message>
    <message>
        <source>the item with no number</source>
        <translation>den Artikel ohne Nummer</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>Artikel %1</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Artikel</translation>
    </message>
    <message>
        <source>insert of %1</source>
        <translation>Anlegen von %1</translation>
    </message>
    <message>
        <source>delete of %1</source>
        <translation>Löschen von %1</translation>
    </message>
    <message>
        <source>duplicate of %1</source>
        <translation>Duplizieren von %1</translation>
    </message>
    <message>
        <source>change of %1 in %2</source>
        <translation>Ändern von %1 in %2</translation>
    </message>
    <message>
        <source>change to %1</source>
        <translation>Änderung an %1</translation>
    </message>
    <message>
        <source>The catalogue already holds %1 items, the most it can hold, so the new record was not inserted. Delete an item first, or start a second catalogue.</source>
        <translation>Der Katalog enthält schon %1 Artikel, die meisten, die er fassen kann, deshalb wurde der neue Datensatz nicht angelegt. Löschen Sie zuerst einen Artikel oder beginnen Sie einen zweiten Katalog.</translation>
    </message>
    <message>
        <source>The catalogue holds %1 items and can hold %2, so the %3 records would not fit and nothing was inserted. Delete items first, or start a second catalogue.</source>
        <translation>Der Katalog enthält %1 Artikel und kann %2 fassen, deshalb würden die %3 Datensätze nicht hineinpassen, und es wurde nichts eingefügt. Löschen Sie zuerst Artikel oder beginnen Sie einen zweiten Katalog.</translation>
    </message>
    <message>
        <source>adding of column %1</source>
        <translation>Hinzufügen der Spalte %1</translation>
    </message>
    <message>
        <source>adding of %1 columns</source>
        <translation>Hinzufügen von %1 Spalten</translation>
    </message>
    <message>
        <source>removal of column %1</source>
        <translation>Entfernen der Spalte %1</translation>
    </message>
</context>
<context>
    <name>RowsText</name>
    <message>
        <source>an unused one</source>
        <translation>eine unbenutzte</translation>
    </message>
    <message>
        <source>Line %1 has %2; rows to paste need the catalogue&apos;s ten, in its order: %3%4.</source>
        <translation>Zeile %1 hat %2; einzufügende Zeilen brauchen die zehn des Katalogs, in seiner Reihenfolge: %3%4.</translation>
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
        <source>; or those and the %1 kept after them</source>
        <translation>; oder diese und die %1 danach übernommenen</translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation>Die Zwischenablage enthält keine Zeilen zum Einfügen.</translation>
    </message>
</context>
<context>
    <name>SchemeArray</name>
    <message>
        <source>the colour scheme number %1 is outside the table, which holds the numbers %2 to %3</source>
        <translation>das Farbschema Nummer %1 liegt außerhalb der Tabelle, die die Nummern %2 bis %3 enthält</translation>
    </message>
</context>
<context>
    <name>SchemeTable</name>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Smoke</source>
        <translation>Rauchgrau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Bright Red</source>
        <translation>Leuchtend Rot</translation>
    </message>
    <message>
        <source>Blue &amp; Green</source>
        <translation>Blau &amp; Grün</translation>
    </message>
    <message>
        <source>Black &amp; Orange</source>
        <translation>Schwarz &amp; Orange</translation>
    </message>
    <message>
        <source>Red &amp; Grey</source>
        <translation>Rot &amp; Grau</translation>
    </message>
    <message>
        <source>Orange &amp; Red</source>
        <translation>Orange &amp; Rot</translation>
    </message>
    <message>
        <source>Burgundy</source>
        <translation>Burgunderrot</translation>
    </message>
    <message>
        <source>Champagne</source>
        <translation>Champagner</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>there is no colour scheme %1: the schemes are numbered %2 to %3</source>
        <translation>es gibt kein Farbschema %1: die Schemata sind von %2 bis %3 nummeriert</translation>
    </message>
</context>
<context>
    <name>SpreadsheetReader</name>
    <message>
        <source>the spreadsheet cannot be read: its content is damaged</source>
        <translation>das Tabellendokument kann nicht gelesen werden: sein Inhalt ist beschädigt</translation>
    </message>
    <message>
        <source>the file is neither an OpenDocument spreadsheet nor an Excel workbook</source>
        <translation>die Datei ist weder ein OpenDocument-Tabellendokument noch eine Excel-Arbeitsmappe</translation>
    </message>
    <message>
        <source>the spreadsheet cannot be read: %1 is missing from it</source>
        <translation>das Tabellendokument kann nicht gelesen werden: %1 fehlt darin</translation>
    </message>
    <message>
        <source>the spreadsheet cannot be read: its first sheet is larger than a spreadsheet can be</source>
        <translation>das Tabellendokument kann nicht gelesen werden: seine erste Tabelle ist größer, als ein Tabellendokument sein kann</translation>
    </message>
    <message>
        <source>the spreadsheet cannot be read: its %1 unpacks to more than 1 GiB</source>
        <translation>das Tabellendokument kann nicht gelesen werden: sein Teil %1 ergibt entpackt mehr als 1 GiB</translation>
    </message>
    <message>
        <source>the spreadsheet cannot be read: it holds no sheet</source>
        <translation>das Tabellendokument kann nicht gelesen werden: es enthält keine Tabelle</translation>
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
