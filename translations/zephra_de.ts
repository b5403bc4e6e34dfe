<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>The balance reports an overload.</source>
        <translation>Die Waage meldet eine Überlast.</translation>
    </message>
    <message>
        <source>The balance reports an underload.</source>
        <translation>Die Waage meldet eine Unterlast.</translation>
    </message>
    <message>
        <source>The balance is busy and gives no weight.</source>
        <translation>Die Waage ist beschäftigt und liefert kein Gewicht.</translation>
    </message>
    <message>
        <source>The balance reports an error (%1).</source>
        <translation>Die Waage meldet einen Fehler (%1).</translation>
    </message>
    <message>
        <source>The balance weighs in &quot;%1&quot;, which cannot be converted to grams. Set the balance to grams.</source>
        <translation>Die Waage wiegt in „%1“, das nicht in Gramm umgerechnet werden kann. Stellen Sie die Waage auf Gramm.</translation>
    </message>
    <message>
        <source>The balance reads %1, beyond the range of a laboratory balance (100 kg).</source>
        <translation>Die Waage zeigt %1, außerhalb des Bereichs einer Laborwaage (100 kg).</translation>
    </message>
    <message>
        <source>The balance&apos;s port could not be opened (%1).</source>
        <translation>Der Anschluss der Waage konnte nicht geöffnet werden (%1).</translation>
    </message>
</context>
<context>
    <name>CollectedDataRecovery</name>
    <message>
        <source>It was left where it is.</source>
        <translation>Es wurde an seinem Ort belassen.</translation>
    </message>
    <message>
        <source>It was moved to %1.</source>
        <translation>Es wurde nach %1 verschoben.</translation>
    </message>
    <message>
        <source>The recovery journal %1 could not be read (%2). %3</source>
        <translation>Das Wiederherstellungsprotokoll %1 konnte nicht gelesen werden (%2). %3</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>The balance reads %1, which no laboratory balance weighs. Data collection will exit.</source>
        <translation>Die Waage zeigt %1, was keine Laborwaage wiegt. Die Datenerfassung wird beendet.</translation>
    </message>
    <message>
        <source>The balance reads %1, below zero after its tare. Data collection will exit.</source>
        <translation>Die Waage zeigt %1, unter null nach dem Tarieren. Die Datenerfassung wird beendet.</translation>
    </message>
    <message>
        <source>A volume of %1 ml does not fit the wine record&apos;s volume field. Data collection will exit.</source>
        <translation>Ein Volumen von %1 ml passt nicht in das Volumenfeld des Weindatensatzes. Die Datenerfassung wird beendet.</translation>
    </message>
</context>
<context>
    <name>CollectionRun</name>
    <message>
        <source>The wine&apos;s notes leave no room for the reading times of a run (%1 characters too many). Shorten the comments or the full names, or collect into a new wine.</source>
        <translation>Die Notizen des Weins lassen keinen Platz für die Zeiten der Messungen einer Erfassung (%1 Zeichen zu viel). Kürzen Sie die Kommentare oder die vollständigen Namen, oder erfassen Sie in einen neuen Wein.</translation>
    </message>
    <message>
        <source>The balance is no longer connected (%1). Data collection will exit.</source>
        <translation>Die Waage ist nicht mehr angeschlossen (%1). Die Datenerfassung wird beendet.</translation>
    </message>
    <message>
        <source>The scale could not be read (%1). Data collection will exit.</source>
        <translation>Die Waage konnte nicht gelesen werden (%1). Die Datenerfassung wird beendet.</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Wine</source>
        <translation>Wein</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Trial start</source>
        <translation>Versuchsbeginn</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Index (s)</source>
        <translation>Index (s)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Vmax (L/m²)</source>
        <translation>Vmax (L/m²)</translation>
    </message>
    <message>
        <source>Vmax 95 %</source>
        <translation>Vmax 95 %</translation>
    </message>
    <message>
        <source>Best law</source>
        <translation>Bestes Gesetz</translation>
    </message>
    <message>
        <source>Exp. (L/m²)</source>
        <translation>Exp. (L/m²)</translation>
    </message>
    <message>
        <source>Power (L/m²)</source>
        <translation>Potenz (L/m²)</translation>
    </message>
    <message>
        <source>Best law (L/m²)</source>
        <translation>Bestes Gesetz (L/m²)</translation>
    </message>
    <message>
        <source>Flux decline (%)</source>
        <translation>Flussabfall (%)</translation>
    </message>
    <message>
        <source>The chart shows the first %1 of the %2 trials, in the table&apos;s order; the other %3 are in the table only.</source>
        <translation>Das Diagramm zeigt die ersten %1 der %2 Versuche in der Reihenfolge der Tabelle; die übrigen %3 stehen nur in der Tabelle.</translation>
    </message>
</context>
<context>
    <name>ComparisonDocument</name>
    <message>
        <source>Trials compared</source>
        <translation>Versuche im Vergleich</translation>
    </message>
</context>
<context>
    <name>ConditionsCheck</name>
    <message>
        <source>Wine Name field is blank; please enter a name for this wine.</source>
        <translation>Das Feld Weinname ist leer; bitte geben Sie einen Namen für diesen Wein ein.</translation>
    </message>
    <message>
        <source>Wine Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Das Feld Weinname enthält ein Steuerzeichen (Tabulator oder Zeilenumbruch); bitte entfernen Sie es.</translation>
    </message>
    <message>
        <source>Filter Name field is blank; please enter a name for this filter.</source>
        <translation>Das Feld Filtername ist leer; bitte geben Sie einen Namen für diesen Filter ein.</translation>
    </message>
    <message>
        <source>Filter Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Das Feld Filtername enthält ein Steuerzeichen (Tabulator oder Zeilenumbruch); bitte entfernen Sie es.</translation>
    </message>
    <message>
        <source>Wine Name, Filter Name and Comments are too long to be kept in the wine file. Please shorten them by %1 characters.</source>
        <translation>Weinname, Filtername und Kommentare sind zu lang für die Weindatei. Bitte kürzen Sie sie um %1 Zeichen.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.</source>
        <translation>Der Labordruck liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 1000 und 0.1 ein.</translation>
    </message>
    <message>
        <source>Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>Der Durchmesser des Laborfilters liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 1000 und 1 ein.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>Der maximale Betriebsdruck liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 1000 und 1 ein.</translation>
    </message>
    <message>
        <source>Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.</source>
        <translation>Die Betriebsfläche liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 1000 und 0.2 ein.</translation>
    </message>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.</source>
        <translation>Der Betriebsdurchfluss liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 1999 und 0.1 ein.</translation>
    </message>
</context>
<context>
    <name>FoulingAnalysis</name>
    <message>
        <source>Law</source>
        <translation>Gesetz</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstante</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>best</source>
        <translation>beste</translation>
    </message>
    <message>
        <source>not distinguishable from the best</source>
        <translation>nicht von der besten unterscheidbar</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>Points used</source>
        <translation>Verwendete Punkte</translation>
    </message>
    <message>
        <source>Reading times</source>
        <translation>Messzeiten</translation>
    </message>
    <message>
        <source>to 0.1 s, as collected</source>
        <translation>auf 0,1 s, wie erfasst</translation>
    </message>
    <message>
        <source>whole seconds</source>
        <translation>ganze Sekunden</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Am besten beschrieben durch</translation>
    </message>
    <message>
        <source>Vmax lower bound</source>
        <translation>Untergrenze von Vmax</translation>
    </message>
    <message>
        <source>Capacity by Vmax</source>
        <translation>Kapazität nach Vmax</translation>
    </message>
    <message>
        <source>Best law&apos;s capacity</source>
        <translation>Kapazität des besten Gesetzes</translation>
    </message>
    <message>
        <source>Production capacity</source>
        <translation>Produktionskapazität</translation>
    </message>
    <message>
        <source>Exponential model estimate</source>
        <translation>Schätzung des Exponentialmodells</translation>
    </message>
    <message>
        <source>Power model estimate</source>
        <translation>Schätzung des Potenzmodells</translation>
    </message>
    <message>
        <source>Flux decline</source>
        <translation>Flussabnahme</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Filtrierbarkeitsindex</translation>
    </message>
    <message>
        <source>complete blocking</source>
        <translation>vollständige Verblockung</translation>
    </message>
    <message>
        <source>intermediate blocking</source>
        <translation>intermediäre Verblockung</translation>
    </message>
    <message>
        <source>standard blocking</source>
        <translation>Standardverblockung</translation>
    </message>
    <message>
        <source>cake filtration</source>
        <translation>Kuchenfiltration</translation>
    </message>
    <message>
        <source>the law is clear and follows the trial</source>
        <translation>das Gesetz ist eindeutig und folgt dem Versuch</translation>
    </message>
    <message>
        <source>the trial cannot tell the laws apart</source>
        <translation>der Versuch kann die Gesetze nicht unterscheiden</translation>
    </message>
    <message>
        <source>%1 leaves runs in its residuals, it does not follow the trial closely (did the pressure wobble or drift?)</source>
        <translation>%1 lässt Läufe in den Residuen, es folgt dem Versuch nicht eng (schwankte oder driftete der Druck?)</translation>
    </message>
    <message>
        <source>doubtful: %1</source>
        <translation>zweifelhaft: %1</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>zweifelhaft</translation>
    </message>
    <message>
        <source>the lowest capacity of the laws the trial cannot tell apart</source>
        <translation>die kleinste Kapazität der Gesetze, die der Versuch nicht unterscheidet</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Capacity to rely on</source>
        <translation>Verlässliche Kapazität</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>not fitted</source>
        <translation>nicht angepasst</translation>
    </message>
    <message>
        <source>best</source>
        <translation>beste</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>Unused data</source>
        <translation>Nicht genutzte Daten</translation>
    </message>
    <message>
        <source>Max Resistance</source>
        <translation>Max. Widerstand</translation>
    </message>
    <message>
        <source>Power Model Curve</source>
        <translation>Potenzmodell</translation>
    </message>
    <message>
        <source>Exponential Curve</source>
        <translation>Exponentialkurve</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Messpunkte</translation>
    </message>
    <message>
        <source>Unused Data</source>
        <translation>Nicht genutzt</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>A file with that name already exists. Overwrite it?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Data is insufficient to calculate fouling constants.</source>
        <translation>Die Daten reichen nicht aus, um die Verblockungskonstanten zu berechnen.</translation>
    </message>
    <message>
        <source>The filtration conditions are missing or out of range. Please check them with Edit Conditions. Unable to calculate.</source>
        <translation>Die Filtrationsbedingungen fehlen oder liegen außerhalb des Bereichs. Prüfen Sie sie mit Bedingungen bearbeiten. Berechnung nicht möglich.</translation>
    </message>
    <message>
        <source>A volume in the data is too large or too small to calculate with. Unable to calculate.</source>
        <translation>Ein Volumen in den Daten ist zu groß oder zu klein für die Berechnung. Berechnung nicht möglich.</translation>
    </message>
    <message>
        <source>Rm is greater than the allowable production resistance. If the data and conditions are correct then this filtration should foul extremely rapidly.</source>
        <translation>Rm ist größer als der zulässige Produktionswiderstand. Stimmen Daten und Bedingungen, dürfte diese Filtration äußerst schnell verblocken.</translation>
    </message>
    <message>
        <source>No fouling was observed. Either the volume passed was insufficient to foul the filter or perhaps pressure rose during the trial. Expected volume cannot be estimated.</source>
        <translation>Es wurde keine Verblockung beobachtet. Entweder reichte das durchgesetzte Volumen nicht aus, um den Filter zu verblocken, oder der Druck ist während des Versuchs gestiegen. Das erwartete Volumen kann nicht geschätzt werden.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Rm is greater than maximum allowable production resistance.</source>
        <translation>Das erwartete Volumen kann mit dem Potenzmodell nicht berechnet werden. Rm ist größer als der maximal zulässige Produktionswiderstand.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Its exponent b is zero or too close to zero.</source>
        <translation>Das erwartete Volumen kann mit dem Potenzmodell nicht berechnet werden. Sein Exponent b ist null oder zu nahe an null.</translation>
    </message>
    <message>
        <source>The resistances are too high for the Power Model. Its results are left blank.</source>
        <translation>Die Widerstände sind zu hoch für das Potenzmodell. Seine Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>The Power Model cannot be fitted to these data. Its results are left blank.</source>
        <translation>Das Potenzmodell lässt sich an diese Daten nicht anpassen. Seine Ergebnisse bleiben leer.</translation>
    </message>
    <message>
        <source>The Power Model has no value at a V/A of 0.000. Those rows show no Power Model resistance.</source>
        <translation>Das Potenzmodell hat bei einem V/A von 0.000 keinen Wert. Diese Zeilen zeigen keinen Widerstand des Potenzmodells.</translation>
    </message>
    <message>
        <source>Error reading the data file.</source>
        <translation>Fehler beim Lesen der Datendatei.</translation>
    </message>
    <message>
        <source>There is an error in the data entry. Please correct it and retry, or cancel. (Volume increments must be greater than 0.1 ml.)</source>
        <translation>Die Dateneingabe enthält einen Fehler. Bitte korrigieren und erneut versuchen oder abbrechen. (Volumenzuwächse müssen größer als 0.1 ml sein.)</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>it is the wine file %1, which the output is made from</source>
        <translation>es ist die Weindatei %1, aus der die Ausgabe erstellt wird</translation>
    </message>
    <message>
        <source>it is a wine file, which an output never replaces</source>
        <translation>es ist eine Weindatei, die eine Ausgabe nie ersetzt</translation>
    </message>
    <message>
        <source>the file has other names (hard links), which would all change with it</source>
        <translation>die Datei hat weitere Namen (harte Links), die sich alle mit ihr ändern würden</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>Das Bild wurde nicht in %1 gespeichert: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ProgramConf</name>
    <message>
        <source>%1 [lab] terminal_flux_share = %2 is not a share above 0 and below 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] terminal_flux_share = %2 ist kein Anteil über 0 und unter 1; die Laboreinstellungen erhalten ihre Standardwerte.</translation>
    </message>
    <message>
        <source>%1 [lab] safety_factor = %2 is not a number of at least 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] safety_factor = %2 ist keine Zahl von mindestens 1; die Laboreinstellungen erhalten ihre Standardwerte.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a section, a &quot;key = value&quot; line or a comment; it is ignored.</source>
        <translation>%1, Zeile %2, ist weder ein Abschnitt noch eine Zeile „Schlüssel = Wert“ noch ein Kommentar; sie wird übergangen.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a &quot;key = value&quot; line or a comment; every setting of [%3] is taken at its default.</source>
        <translation>%1, Zeile %2, ist weder eine Zeile „Schlüssel = Wert“ noch ein Kommentar; alle Einstellungen von [%3] erhalten ihren Standardwert.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); every setting in it is taken at its default.</source>
        <translation>%1 konnte nicht gelesen werden (%2); alle Einstellungen darin erhalten ihren Standardwert.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>PDF-Dateien|*.pdf</translation>
    </message>
    <message>
        <source>CSV files|*.csv|JSON files|*.json</source>
        <translation>CSV-Dateien|*.csv|JSON-Dateien|*.json</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Es wurde nichts geschrieben: %1.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the file. Nothing was written.</source>
        <translation>E/A-Fehler Typ %1 beim Schreiben der Datei. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>not used by the fouling fits</source>
        <translation>nicht in den Verblockungsanpassungen verwendet</translation>
    </message>
    <message>
        <source>Fouling analysis</source>
        <translation>Verblockungsanalyse</translation>
    </message>
    <message>
        <source>Laboratory-scale graph</source>
        <translation>Laborgrafik</translation>
    </message>
    <message>
        <source>Production-scale graph</source>
        <translation>Produktionsgrafik</translation>
    </message>
    <message>
        <source>Filterability report: </source>
        <translation>Filtrierbarkeitsbericht: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>ZEPHRA filterability report</source>
        <translation>ZEPHRA-Filtrierbarkeitsbericht</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filter: </translation>
    </message>
    <message>
        <source>Wine type: </source>
        <translation>Weintyp: </translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Süßwein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Trial started: </source>
        <translation>Versuch begonnen: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Geändert: </translation>
    </message>
    <message>
        <source>Printed: </source>
        <translation>Gedruckt: </translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Comments: </source>
        <translation>Kommentare: </translation>
    </message>
    <message>
        <source>The graph cannot be drawn: </source>
        <translation>Die Grafik kann nicht gezeichnet werden: </translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Laborbedingungen</translation>
    </message>
    <message>
        <source>Full Scale Conditions</source>
        <translation>Betriebsbedingungen</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>maximum pressure</source>
        <translation>maximaler Druck</translation>
    </message>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>equivalent volume passed</source>
        <translation>filtriertes Äquivalenzvol.</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>average face velocity</source>
        <translation>mittlere Anströmgeschw.</translation>
    </message>
    <message>
        <source>face velocity</source>
        <translation>Anströmgeschw.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Wine:</source>
        <translation>Wein:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Power Fouling Constants</source>
        <translation>Konstanten des Potenzmodells</translation>
    </message>
    <message>
        <source>Estimated full-scale volume</source>
        <translation>Geschätztes Produktionsvolumen</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Exponential Fouling Constants</source>
        <translation>Konstanten des Exponentialmodells</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <source>the trial did not reach 400 ml</source>
        <translation>der Versuch hat 400 ml nicht erreicht</translation>
    </message>
    <message>
        <source>the standard law does not describe this trial</source>
        <translation>das Standardgesetz beschreibt diesen Versuch nicht</translation>
    </message>
    <message>
        <source>exponential model %1, power model %2 (production filter)</source>
        <translation>Exponentialmodell %1, Potenzmodell %2 (Produktionsfilter)</translation>
    </message>
    <message>
        <source>Not enough data for a verdict: run the trial longer.</source>
        <translation>Zu wenige Daten für ein Urteil: den Versuch länger laufen lassen.</translation>
    </message>
    <message>
        <source>Index not comparable at these conditions: judge by the capacity.</source>
        <translation>Index unter diesen Bedingungen nicht vergleichbar: nach der Kapazität urteilen.</translation>
    </message>
    <message>
        <source>The trial did not reach 400 ml: no index; judge by the capacity.</source>
        <translation>Der Versuch hat 400 ml nicht erreicht: kein Index; nach der Kapazität urteilen.</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Filtrierbarkeitsindex</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Am besten beschrieben durch</translation>
    </message>
    <message>
        <source>Capacity by the models</source>
        <translation>Kapazität nach den Modellen</translation>
    </message>
    <message>
        <source>Capacity by the analysis</source>
        <translation>Kapazität nach der Analyse</translation>
    </message>
    <message>
        <source>doubtful: see the capacity by the analysis</source>
        <translation>zweifelhaft: siehe die Kapazität nach der Analyse</translation>
    </message>
    <message>
        <source>Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm membrane at %4; the pore size is not recorded, %5 µm is assumed.</source>
        <translation>Klassen nach Romat (2014): Grenzen %1 / %2 / %3 s, für eine 25-mm-Membran bei %4; die Porengröße ist nicht erfasst, %5 µm wird angenommen.</translation>
    </message>
</context>
<context>
    <name>ReportSource</name>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source> (changed since, not saved)</source>
        <translation> (seitdem geändert, nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>ScaleConnection</name>
    <message>
        <source>I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.</source>
        <translation>E/A-Fehler Typ %1 beim Schreiben der Umgebungsdatei ZEPHRA.DAT.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.</source>
        <translation>E/A-Fehler Typ %1 beim Schreiben der Waagen-Einstellungen BALANCE.CONF.</translation>
    </message>
</context>
<context>
    <name>ShownConditions</name>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>Der Betriebsdurchfluss liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen %1 und %2 %3 ein.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>Der Labordruck liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen %1 und %2 %3 ein.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>Der maximale Betriebsdruck liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen %1 und %2 %3 ein.</translation>
    </message>
</context>
<context>
    <name>VmaxTracker</name>
    <message>
        <source>capacity %1, %2</source>
        <translation>Kapazität %1, %2</translation>
    </message>
    <message>
        <source>capacity %1 L/m² (95 %: %2–%3) by %4</source>
        <translation>Kapazität %1 L/m² (95 %: %2–%3) nach %4</translation>
    </message>
    <message>
        <source>doubtful: %1 does not follow the trial closely</source>
        <translation>zweifelhaft: %1 folgt dem Versuch nicht eng</translation>
    </message>
</context>
<context>
    <name>WineFile</name>
    <message>
        <source>The file would be too large: the wine&apos;s notes (comments, full names, reading times) do not fit after the record. Shorten the comments and save again.</source>
        <translation>Die Datei würde zu groß: die Notizen des Weins (Kommentare, vollständige Namen, Ablesezeiten) passen nicht hinter den Datensatz. Kürzen Sie die Kommentare und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The notes after the wine record could not be read by this version of the program; saving the wine&apos;s new notes replaces them, and their comments, full names and reading times are lost.</source>
        <translation>Die Notizen nach dem Weindatensatz konnten von dieser Programmversion nicht gelesen werden; das Speichern der neuen Notizen des Weins ersetzt sie, und ihre Kommentare, vollständigen Namen und Messzeiten gehen verloren.</translation>
    </message>
</context>
<context>
    <name>zephra::CollectionSession</name>
    <message>
        <source>Data collection is in progress. Strike &apos;X&apos; key to stop data collection first.</source>
        <translation>Die Datenerfassung läuft. Drücken Sie zuerst die Taste „X“, um sie zu beenden.</translation>
    </message>
</context>
<context>
    <name>zephra::CompareTrialsWindow</name>
    <message>
        <source>Compare Trials</source>
        <translation>Versuche vergleichen</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Export Table...</source>
        <translation>Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
</context>
<context>
    <name>zephra::FilterSizingWindow</name>
    <message>
        <source>Batch volume:</source>
        <translation>Chargenvolumen:</translation>
    </message>
    <message>
        <source>Safety factor:</source>
        <translation>Sicherheitsfaktor:</translation>
    </message>
    <message>
        <source>Element area:</source>
        <translation>Elementfläche:</translation>
    </message>
    <message>
        <source>m² (optional)</source>
        <translation>m² (optional)</translation>
    </message>
    <message>
        <source>Production flow:</source>
        <translation>Produktionsdurchfluss:</translation>
    </message>
    <message>
        <source>Filter Sizing — </source>
        <translation>Filterauslegung — </translation>
    </message>
    <message>
        <source>Enter the batch volume.</source>
        <translation>Geben Sie das Chargenvolumen ein.</translation>
    </message>
    <message>
        <source>The safety factor must be a number of at least 1.</source>
        <translation>Der Sicherheitsfaktor muss eine Zahl von mindestens 1 sein.</translation>
    </message>
    <message>
        <source>The element area must be a positive number of m², or empty.</source>
        <translation>Die Elementfläche muss eine positive Zahl in m² sein oder leer.</translation>
    </message>
    <message>
        <source>The production flow must be a positive number, or empty.</source>
        <translation>Der Produktionsdurchfluss muss eine positive Zahl sein oder leer.</translation>
    </message>
</context>
<context>
    <name>zephra::FoulingAnalysisWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Verblockungsanalyse</translation>
    </message>
    <message>
        <source>Vmax and the capacity come from the standard blocking law: a constant-pressure estimate without a safety factor.</source>
        <translation>Vmax und die Kapazität stammen aus dem Standard-Verblockungsgesetz: eine Schätzung bei konstantem Druck ohne Sicherheitsfaktor.</translation>
    </message>
</context>
<context>
    <name>zephra::GraphWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
</context>
<context>
    <name>zephra::HelpWindow</name>
    <message>
        <source>ZEPHRA Help</source>
        <translation>ZEPHRA-Hilfe</translation>
    </message>
</context>
<context>
    <name>zephra::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language could not be kept in %1: %2.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The language changes when ZEPHRA starts again.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von ZEPHRA.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the language is not kept.</source>
        <translation>%1 konnte nicht gelesen werden (%2) und wird daher nicht überschrieben; die Sprache wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>zephra::TAboutBox</name>
    <message>
        <source>About ORVANE ZEPHRA</source>
        <translation>Über ORVANE ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::TCOMDlg</name>
    <message>
        <source>Set scale connection</source>
        <translation>Waagenanschluss</translation>
    </message>
    <message>
        <source>Select the COM port to which the scale is connected</source>
        <translation>COM-Anschluss der Waage wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Dialect</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Auto (detect)</source>
        <translation>Auto (erkennen)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>A balance on the network, in place of the COM port; empty for the COM port</source>
        <translation>Eine Waage im Netzwerk statt am COM-Anschluss; leer für den COM-Anschluss</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>&lt;&lt; Balance</source>
        <translation>&lt;&lt; Waage</translation>
    </message>
    <message>
        <source>Balance &gt;&gt;</source>
        <translation>Waage &gt;&gt;</translation>
    </message>
    <message>
        <source>The network address must be tcp://HOST:PORT.</source>
        <translation>Die Netzwerkadresse muss tcp://HOST:PORT lauten.</translation>
    </message>
    <message>
        <source>Choose a COM port or enter a network address.</source>
        <translation>Wählen Sie einen COM-Anschluss oder geben Sie eine Netzwerkadresse ein.</translation>
    </message>
    <message>
        <source>Trying every dialect on %1...</source>
        <translation>Alle Protokolle an %1 werden versucht...</translation>
    </message>
    <message>
        <source>No balance answered on %1 in any dialect. Check the cable, the port and that the balance is on.</source>
        <translation>An %1 hat keine Waage in irgendeinem Protokoll geantwortet. Prüfen Sie Kabel, Anschluss und ob die Waage eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Found %1 at %2: %3</source>
        <translation>%1 an %2 gefunden: %3</translation>
    </message>
    <message>
        <source>The rate must be a number of bit/s.</source>
        <translation>Die Baudrate muss eine Zahl in bit/s sein.</translation>
    </message>
    <message>
        <source>Asking %1 for a weight...</source>
        <translation>%1 wird nach einem Gewicht gefragt...</translation>
    </message>
</context>
<context>
    <name>zephra::TConditionsDlg</name>
    <message>
        <source>Filtration Conditions</source>
        <translation>Filtrationsbedingungen</translation>
    </message>
    <message>
        <source>Wine Name</source>
        <translation>Weinname</translation>
    </message>
    <message>
        <source>Filter Name</source>
        <translation>Filtername</translation>
    </message>
    <message>
        <source>Wine Type</source>
        <translation>Weintyp</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Süßwein</translation>
    </message>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Laborbedingungen</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Filter Diameter</source>
        <translation>Filterdurchm.</translation>
    </message>
    <message>
        <source>Full-Scale Conditions</source>
        <translation>Betriebsbedingungen</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Max. Druck</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zephra::TDataCollectionDlg</name>
    <message>
        <source>Data Collection</source>
        <translation>Datenerfassung</translation>
    </message>
    <message>
        <source>Time to next read:</source>
        <translation>Messung in:</translation>
    </message>
    <message>
        <source>Strike &apos;X&apos; key to stop data collection</source>
        <translation>Taste „X“ beendet die Datenerfassung</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Vergangen:</translation>
    </message>
    <message>
        <source>Points stored:</source>
        <translation>Gespeicherte Punkte:</translation>
    </message>
    <message>
        <source>Last reading:</source>
        <translation>Letzte Messung:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Vmax:</source>
        <translation>Vmax:</translation>
    </message>
    <message>
        <source>Best law:</source>
        <translation>Bestes Gesetz:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>zephra::TDataDlg</name>
    <message>
        <source>Filtration Data</source>
        <translation>Filtrationsdaten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Points to be skipped</source>
        <translation>Zu überspringen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinLab</name>
    <message>
        <source>Lab Scale Graph</source>
        <translation>Laborgrafik</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinProd</name>
    <message>
        <source>Production Scale Graph</source>
        <translation>Produktionsgrafik</translation>
    </message>
</context>
<context>
    <name>zephra::TMDIChild</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>A wine with that file name is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Ein Wein mit diesem Dateinamen ist in einem anderen Fenster geöffnet. Wählen Sie einen anderen Dateinamen oder schließen Sie dieses Fenster. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 - The file did not get saved.</source>
        <translation>E/A-Fehler Typ %1 - Die Datei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Not kept for recovery: %1</source>
        <translation>Nicht für die Wiederherstellung gesichert: %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>zephra::TMainForm</name>
    <message>
        <source>I/O Error type %1 occurred while loading environment file ZEPHRA.DAT. ZEPHRA will have to exit.</source>
        <translation>E/A-Fehler Typ %1 beim Laden der Umgebungsdatei ZEPHRA.DAT. ZEPHRA muss beendet werden.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New|Create a new wine</source>
        <translation>Neu|Einen neuen Wein anlegen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open|Open an existing wine file</source>
        <translation>Öffnen|Eine vorhandene Weindatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close|Close the currently active window</source>
        <translation>Schließen|Das aktive Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save|Save current wine</source>
        <translation>Speichern|Den aktuellen Wein speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save as|Save the current wine with a new file name</source>
        <translation>Speichern unter|Den Wein unter neuem Dateinamen speichern</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export PDF|Write the lab report of the current wine as a PDF file</source>
        <translation>PDF exportieren|Den Laborbericht des Weins als PDF schreiben</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print|Print the lab report of the current wine</source>
        <translation>Drucken|Den Laborbericht des Weins drucken</translation>
    </message>
    <message>
        <source>Export Da&amp;ta...</source>
        <translation>Da&amp;ten exportieren...</translation>
    </message>
    <message>
        <source>Export data|Write the data and results of the current wine as CSV or JSON</source>
        <translation>Daten exportieren|Daten und Ergebnisse des Weins als CSV oder JSON schreiben</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>Beenden|Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit Conditions</source>
        <translation>&amp;Bedingungen bearbeiten</translation>
    </message>
    <message>
        <source>Edit &amp;Data</source>
        <translation>&amp;Daten bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Collect New Data</source>
        <translation>Neue Daten &amp;erfassen</translation>
    </message>
    <message>
        <source>Laboratory Graph</source>
        <translation>Laborgrafik</translation>
    </message>
    <message>
        <source>Production Graph</source>
        <translation>Produktionsgrafik</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Verblockungsanalyse</translation>
    </message>
    <message>
        <source>Filter Sizing</source>
        <translation>Filterauslegung</translation>
    </message>
    <message>
        <source>Set Scale Connection</source>
        <translation>Waagenanschluss</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Horizontal anordnen</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>&amp;Vertikal anordnen</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Vertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Wine</source>
        <translation>&amp;Wein</translation>
    </message>
    <message>
        <source>Close|Close the current window</source>
        <translation>Schließen|Das aktuelle Fenster schließen</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>Speichern unter|Die Datei unter anderem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Cascade|Cascade windows</source>
        <translation>Überlappend|Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Tile|Tile windows horizontally</source>
        <translation>Anordnen|Fenster horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile|Tile windows vertically</source>
        <translation>Anordnen|Fenster vertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Compare Trials</source>
        <translation>Versuche vergleichen</translation>
    </message>
    <message>
        <source>&amp;US</source>
        <translation>&amp;US</translation>
    </message>
    <message>
        <source>US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them</source>
        <translation>US-Einheiten|psi, US-Gallonen, gpm und gpm/m2 zeigen, wie die Weindateien sie speichern</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)</source>
        <translation>Metrische Einheiten|bar, hL, L/h oder hL/h und L/(m²·h) zeigen und eingeben</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the units hold until ZEPHRA ends.</source>
        <translation>%1 konnte nicht gelesen werden (%2) und wird daher nicht überschrieben; die Einheiten gelten bis ZEPHRA beendet wird.</translation>
    </message>
    <message>
        <source>The units could not be kept in %1 (%2); they hold until ZEPHRA ends.</source>
        <translation>Die Einheiten konnten nicht in %1 gespeichert werden (%2); sie gelten bis ZEPHRA beendet wird.</translation>
    </message>
</context>
<context>
    <name>zephra::TNewDataDlg</name>
    <message>
        <source>Collect New Data</source>
        <translation>Neue Datenerfassung</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Maximum Test Duration (min)</source>
        <translation>Maximale Versuchsdauer (min)</translation>
    </message>
    <message>
        <source>Begin Data Collection</source>
        <translation>Erfassung beginnen</translation>
    </message>
    <message>
        <source>WARNING: Beginning data collection will</source>
        <translation>ACHTUNG: Der Beginn der Erfassung</translation>
    </message>
    <message>
        <source>erase the existing data set. </source>
        <translation>löscht die vorhandenen Daten. </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Density is out of Range. Please enter a value between 2 and 0.1.</source>
        <translation>Die Dichte liegt außerhalb des Bereichs. Bitte geben Sie einen Wert zwischen 2 und 0.1 ein.</translation>
    </message>
</context>
<context>
    <name>zephra::TRecoverDataDlg</name>
    <message>
        <source>Recover Collected Data</source>
        <translation>Erfasste Daten wiederherstellen</translation>
    </message>
    <message>
        <source>ZEPHRA ended while it was collecting data, before they were saved.

Wine: %1
File: %2
Readings: %3

Restore the readings into a wine window, or discard them?</source>
        <translation>ZEPHRA wurde während einer Datenerfassung beendet, bevor die Daten gespeichert waren.

Wein: %1
Datei: %2
Messwerte: %3

Die Messwerte in einem Weinfenster wiederherstellen oder verwerfen?</translation>
    </message>
    <message>
        <source>none (the wine was never saved)</source>
        <translation>keine (der Wein wurde nie gespeichert)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>zephra::TWelcomeDlg</name>
    <message>
        <source>How would you like to begin?</source>
        <translation>Wie möchten Sie beginnen?</translation>
    </message>
    <message>
        <source>Open an existing wine file</source>
        <translation>Vorhandene Weindatei öffnen</translation>
    </message>
    <message>
        <source>Begin with a new wine</source>
        <translation>Mit einem neuen Wein beginnen</translation>
    </message>
</context>
<context>
    <name>zephra::WineWindows</name>
    <message>
        <source>A file with that name is already open. It must be closed or saved under another name before opening again.  %1</source>
        <translation>Eine Datei mit diesem Namen ist bereits geöffnet. Sie muss geschlossen oder unter anderem Namen gespeichert werden, bevor sie erneut geöffnet wird.  %1</translation>
    </message>
    <message>
        <source>Can not locate file.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>That file is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Diese Datei ist in einem anderen Fenster geöffnet. Wählen Sie einen anderen Dateinamen oder schließen Sie dieses Fenster. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while saving the wine file. Your data was not saved!</source>
        <translation>E/A-Fehler Typ %1 beim Speichern der Weindatei. Ihre Daten wurden nicht gespeichert!</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>Save %1 before closing?</source>
        <translation>%1 vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>The readings stay in %1.</source>
        <translation>Die Messwerte bleiben in %1.</translation>
    </message>
</context>
<context>
    <name>zephra::serial::ui::PortSettingsDialog</name>
    <message>
        <source>Port Settings - %1</source>
        <translation>Anschlusseinstellungen - %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Xon / Xoff</source>
        <translation>Xon / Xoff</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>&amp;Bits per second:</source>
        <translation>&amp;Bits pro Sekunde:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>&amp;Datenbits:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Parität:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>&amp;Stoppbits:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Flusssteuerung:</translation>
    </message>
</context>
</TS>
