<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Move item up</source>
        <translation>Eintrag nach oben verschieben</translation>
    </message>
    <message>
        <source>Move item down</source>
        <translation>Eintrag nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>qv::CalculatorPanel</name>
    <message>
        <source>Add answer to x data</source>
        <translation>Ergebnis zu x-Daten hinzufügen</translation>
    </message>
    <message>
        <source>Add answer to y data (1)</source>
        <translation>Ergebnis zu y-Daten (1) hinzufügen</translation>
    </message>
    <message>
        <source>Add answer to y data (2)</source>
        <translation>Ergebnis zu y-Daten (2) hinzufügen</translation>
    </message>
    <message>
        <source>Add answer to y data (3)</source>
        <translation>Ergebnis zu y-Daten (3) hinzufügen</translation>
    </message>
    <message>
        <source>Calculator entry</source>
        <translation>Rechnereingabe</translation>
    </message>
    <message>
        <source>Evaluate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Transfer Text</source>
        <translation>Text übernehmen</translation>
    </message>
    <message>
        <source>Factor of pi</source>
        <translation>Vielfaches von pi</translation>
    </message>
    <message>
        <source>Radical</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Calculate from history box</source>
        <translation>Aus dem Verlaufsfeld berechnen</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Create Equation</source>
        <translation>Gleichung erstellen</translation>
    </message>
    <message>
        <source>Delete Equation</source>
        <translation>Gleichung löschen</translation>
    </message>
    <message>
        <source>Variable Name</source>
        <translation>Variablenname</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>qv::ColorOptionsDialog</name>
    <message>
        <source>Color Options</source>
        <translation>Farboptionen</translation>
    </message>
    <message>
        <source>Select which color to modify:</source>
        <translation>Zu ändernde Farbe auswählen:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Line Size:</source>
        <translation>Linienstärke:</translation>
    </message>
    <message>
        <source>Show Tick Numbers</source>
        <translation>Skalenwerte anzeigen</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Gitter anzeigen</translation>
    </message>
    <message>
        <source>Show Mouse Coordinates</source>
        <translation>Mauskoordinaten anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>qv::CrashRecovery</name>
    <message>
        <source>Your unsaved graph could not be kept against a crash: %1.</source>
        <translation>Ihre ungespeicherte Grafik konnte nicht gegen einen Absturz gesichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>qv::DataListPanel</name>
    <message>
        <source>x data</source>
        <translation>x-Daten</translation>
    </message>
    <message>
        <source>y data (1)</source>
        <translation>y-Daten (1)</translation>
    </message>
    <message>
        <source>y data (2)</source>
        <translation>y-Daten (2)</translation>
    </message>
    <message>
        <source>y data (3)</source>
        <translation>y-Daten (3)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Curve Fit</source>
        <translation>Kurvenanpassung</translation>
    </message>
    <message>
        <source>Plot Data</source>
        <translation>Daten zeichnen</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>Datenliste</translation>
    </message>
    <message>
        <source>Data entry</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Replace Data</source>
        <translation>Daten ersetzen</translation>
    </message>
    <message>
        <source>Data list</source>
        <translation>Datenliste</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Standard Dev.</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <source>n Elements</source>
        <translation>n Elemente</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Quadratic</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentiell</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gauß</translation>
    </message>
    <message>
        <source>Fit Type</source>
        <translation>Anpassungsart</translation>
    </message>
    <message>
        <source>Create Fit</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Test Correlation</source>
        <translation>Korrelation testen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Moving Avg.</source>
        <translation>Gleit. Mittel</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoskalieren</translation>
    </message>
    <message>
        <source>Move Item Up</source>
        <translation>Eintrag nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Item Down</source>
        <translation>Eintrag nach unten verschieben</translation>
    </message>
    <message>
        <source>Add Answer</source>
        <translation>Ergebnis hinzufügen</translation>
    </message>
    <message>
        <source>There are%1 X data points, but there are%2 Y data points.  There must be the same number of X and Y data points in order to plot them.</source>
        <translation>Es gibt%1 x-Datenpunkte, aber%2 y-Datenpunkte.  Zum Zeichnen muss die Anzahl der x- und y-Datenpunkte gleich sein.</translation>
    </message>
    <message>
        <source>There are no data points with which to plot.</source>
        <translation>Es gibt keine Datenpunkte zum Zeichnen.</translation>
    </message>
</context>
<context>
    <name>qv::EffectsController</name>
    <message>
        <source>Plot Line</source>
        <translation>Linie zeichnen</translation>
    </message>
</context>
<context>
    <name>qv::GraphPanel</name>
    <message>
        <source>Mouse Coordinates</source>
        <translation>Mauskoordinaten</translation>
    </message>
    <message>
        <source>Freeze x(z), y(z)</source>
        <translation>x(z), y(z) fixieren</translation>
    </message>
    <message>
        <source>Freeze th(z), r(z)</source>
        <translation>th(z), r(z) fixieren</translation>
    </message>
    <message>
        <source>z min:</source>
        <translation>z min:</translation>
    </message>
    <message>
        <source>z max:</source>
        <translation>z max:</translation>
    </message>
    <message>
        <source>A min:</source>
        <translation>A min:</translation>
    </message>
    <message>
        <source>A max:</source>
        <translation>A max:</translation>
    </message>
    <message>
        <source>Plot  Line</source>
        <translation>Linie  zeichnen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Cartesian</source>
        <translation>Kartesisch</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Plot Derivative</source>
        <translation>Ableitung zeichnen</translation>
    </message>
    <message>
        <source>2nd Derivative</source>
        <translation>2. Ableitung</translation>
    </message>
    <message>
        <source>Plot all functions as y(z)</source>
        <translation>Alle Funktionen als y(z) zeichnen</translation>
    </message>
    <message>
        <source>Plot all functions as r(z)</source>
        <translation>Alle Funktionen als r(z) zeichnen</translation>
    </message>
    <message>
        <source>Find x(z), y(z)</source>
        <translation>x(z), y(z) ermitteln</translation>
    </message>
    <message>
        <source>Find th(z), r(z)</source>
        <translation>th(z), r(z) ermitteln</translation>
    </message>
    <message>
        <source>Go to z =</source>
        <translation>Gehe zu z =</translation>
    </message>
    <message>
        <source>x min</source>
        <translation>x min</translation>
    </message>
    <message>
        <source>x max</source>
        <translation>x max</translation>
    </message>
    <message>
        <source>y min</source>
        <translation>y min</translation>
    </message>
    <message>
        <source>y max</source>
        <translation>y max</translation>
    </message>
    <message>
        <source>x tick scale</source>
        <translation>Skalenteilung x</translation>
    </message>
    <message>
        <source>y tick scale</source>
        <translation>Skalenteilung y</translation>
    </message>
    <message>
        <source>Multiply %1 by pi</source>
        <translation>%1 mit pi multiplizieren</translation>
    </message>
    <message>
        <source>Divide %1 by pi</source>
        <translation>%1 durch pi dividieren</translation>
    </message>
    <message>
        <source>x min:</source>
        <translation>x min:</translation>
    </message>
    <message>
        <source>x max:</source>
        <translation>x max:</translation>
    </message>
    <message>
        <source>y min:</source>
        <translation>y min:</translation>
    </message>
    <message>
        <source>y max:</source>
        <translation>y max:</translation>
    </message>
    <message>
        <source>Tick Scales:</source>
        <translation>Skalenteilung:</translation>
    </message>
    <message>
        <source>zoom in x</source>
        <translation>x vergrößern</translation>
    </message>
    <message>
        <source>zoom out x</source>
        <translation>x verkleinern</translation>
    </message>
    <message>
        <source>zoom in y</source>
        <translation>y vergrößern</translation>
    </message>
    <message>
        <source>zoom out y</source>
        <translation>y verkleinern</translation>
    </message>
    <message>
        <source>zoom in all</source>
        <translation>alles vergrößern</translation>
    </message>
    <message>
        <source>zoom out all</source>
        <translation>alles verkleinern</translation>
    </message>
    <message>
        <source>Set to default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Shift Graph Up</source>
        <translation>Grafik nach oben verschieben</translation>
    </message>
    <message>
        <source>Shift Graph Left</source>
        <translation>Grafik nach links verschieben</translation>
    </message>
    <message>
        <source>Shift Graph Right</source>
        <translation>Grafik nach rechts verschieben</translation>
    </message>
    <message>
        <source>Shift Graph Down</source>
        <translation>Grafik nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>qv::IntegralPanel</name>
    <message>
        <source>Definite Integral</source>
        <translation>Bestimmtes Integral</translation>
    </message>
    <message>
        <source>Lower Bound:   z =</source>
        <translation>Untere Grenze:   z =</translation>
    </message>
    <message>
        <source>Upper Bound:   z =</source>
        <translation>Obere Grenze:   z =</translation>
    </message>
    <message>
        <source>Evaluate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>qv::ListFileCommands</name>
    <message>
        <source>Import List</source>
        <translation>Liste importieren</translation>
    </message>
</context>
<context>
    <name>qv::ListPanel</name>
    <message>
        <source>Function List</source>
        <translation>Funktionsliste</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Function entry</source>
        <translation>Funktionseingabe</translation>
    </message>
    <message>
        <source>Function list</source>
        <translation>Funktionsliste</translation>
    </message>
    <message>
        <source>Replace Function</source>
        <translation>Funktion ersetzen</translation>
    </message>
    <message>
        <source>Add to x(z)</source>
        <translation>In x(z) einfügen</translation>
    </message>
    <message>
        <source>Add to y(z)</source>
        <translation>In y(z) einfügen</translation>
    </message>
    <message>
        <source>Add to Function List</source>
        <translation>Zur Funktionsliste hinzufügen</translation>
    </message>
    <message>
        <source>Delete Function</source>
        <translation>Funktion löschen</translation>
    </message>
    <message>
        <source>Clear Function List</source>
        <translation>Funktionsliste leeren</translation>
    </message>
    <message>
        <source>Move Function Up</source>
        <translation>Funktion nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Function Down</source>
        <translation>Funktion nach unten verschieben</translation>
    </message>
</context>
<context>
    <name>qv::MainWindow</name>
    <message>
        <source>The file %1 is no longer there; it was taken off the list.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden; sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>The file %1 is not a graph file.</source>
        <translation>Die Datei %1 ist keine Grafikdatei.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Save?</source>
        <translation>Quorvanta  -  Speichern?</translation>
    </message>
    <message>
        <source>Would you like to save your graph before exiting?</source>
        <translation>Möchten Sie Ihre Grafik vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Would you like to save your graph before starting a new one?</source>
        <translation>Möchten Sie Ihre Grafik speichern, bevor Sie eine neue beginnen?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Recover?</source>
        <translation>Quorvanta  -  Wiederherstellen?</translation>
    </message>
    <message>
        <source>Quorvanta was closed before your graph was saved.  Would you like to restore it?</source>
        <translation>Quorvanta wurde beendet, bevor Ihre Grafik gespeichert war.  Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>The graph kept from the last session cannot be read: %1.</source>
        <translation>Die aus der letzten Sitzung gesicherte Grafik kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>qv::PictureCommands</name>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Datei &quot;%1&quot; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Print</source>
        <translation>Quorvanta  -  Drucken</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job.</source>
        <translation>Der Drucker &quot;%1&quot; hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <source>Choose the printer to print on.</source>
        <translation>Wählen Sie den Drucker, auf dem gedruckt werden soll.</translation>
    </message>
</context>
<context>
    <name>qv::PlotController</name>
    <message>
        <source>Note that axis transformations will not take effect while in polar graphing mode.</source>
        <translation>Beachten Sie, dass Achsentransformationen im polaren Zeichenmodus nicht wirksam sind.</translation>
    </message>
    <message>
        <source>Freeze x(z), y(z)</source>
        <translation>x(z), y(z) fixieren</translation>
    </message>
    <message>
        <source>Freeze th(z), r(z)</source>
        <translation>th(z), r(z) fixieren</translation>
    </message>
    <message>
        <source>Find th(z), r(z)</source>
        <translation>th(z), r(z) ermitteln</translation>
    </message>
    <message>
        <source>Find x(z), y(z)</source>
        <translation>x(z), y(z) ermitteln</translation>
    </message>
    <message>
        <source>Plot all functions as r(z)</source>
        <translation>Alle Funktionen als r(z) zeichnen</translation>
    </message>
    <message>
        <source>Plot all functions as y(z)</source>
        <translation>Alle Funktionen als y(z) zeichnen</translation>
    </message>
</context>
<context>
    <name>qv::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printer Options (press OK to print)</source>
        <translation>Druckeroptionen (zum Drucken OK drücken)</translation>
    </message>
    <message>
        <source>No printer is installed. Add one in the system&apos;s printer settings.</source>
        <translation>Es ist kein Drucker installiert. Fügen Sie in den Druckereinstellungen des Systems einen hinzu.</translation>
    </message>
    <message>
        <source>Number of Copies:</source>
        <translation>Anzahl der Kopien:</translation>
    </message>
    <message>
        <source>Print Equations</source>
        <translation>Gleichungen drucken</translation>
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
    <name>qv::RedrawPacing</name>
    <message>
        <source>Drawing curve %1 of %2 (Esc or Stop ends the drawing)</source>
        <translation>Zeichne Kurve %1 von %2 (Esc oder Stopp beendet das Zeichnen)</translation>
    </message>
</context>
<context>
    <name>qv::VectorPanel</name>
    <message>
        <source>  Angle</source>
        <translation>  Winkel</translation>
    </message>
    <message>
        <source>    Dot</source>
        <translation>    Punkt</translation>
    </message>
    <message>
        <source>  Cross</source>
        <translation>  Kreuz</translation>
    </message>
    <message>
        <source>Quorvanta  -  Reset Vectors?</source>
        <translation>Quorvanta  -  Vektoren zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset all vector values to zero?</source>
        <translation>Alle Vektorwerte auf null zurücksetzen?</translation>
    </message>
    <message>
        <source>Magnitude =</source>
        <translation>Betrag =</translation>
    </message>
    <message>
        <source>Angle from +x axis =</source>
        <translation>Winkel zur +x-Achse =</translation>
    </message>
    <message>
        <source>Angle from x - y plane =</source>
        <translation>Winkel zur x-y-Ebene =</translation>
    </message>
    <message>
        <source>deg.</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>i component</source>
        <translation>i-Komponente</translation>
    </message>
    <message>
        <source>j component</source>
        <translation>j-Komponente</translation>
    </message>
    <message>
        <source>k component</source>
        <translation>k-Komponente</translation>
    </message>
    <message>
        <source>magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>angle from +x axis</source>
        <translation>Winkel zur +x-Achse</translation>
    </message>
    <message>
        <source>angle from x - y plane</source>
        <translation>Winkel zur x-y-Ebene</translation>
    </message>
    <message>
        <source>Vector %1, %2</source>
        <translation>Vektor %1, %2</translation>
    </message>
    <message>
        <source>Vector %1 =</source>
        <translation>Vektor %1 =</translation>
    </message>
    <message>
        <source>Assign to Vector</source>
        <translation>Vektor zuweisen</translation>
    </message>
    <message>
        <source>Zero all Vectors</source>
        <translation>Alle Vektoren nullen</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Evaluate:</source>
        <translation>Berechnen:</translation>
    </message>
</context>
<context>
    <name>qv::WindowMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Quorvanta...</source>
        <translation>Ü&amp;ber Quorvanta...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Neue Grafik</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Neues Fens&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sav&amp;e As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Bitmap...</source>
        <translation>Als Bit&amp;map speichern...</translation>
    </message>
    <message>
        <source>Export &amp;Graph...</source>
        <translation>&amp;Grafik exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Create Initialize File...</source>
        <translation>Initialisierungsdatei erstellen...</translation>
    </message>
    <message>
        <source>Set Default Ranges...</source>
        <translation>Standardbereiche festlegen...</translation>
    </message>
    <message>
        <source>&amp;Import List...</source>
        <translation>Liste &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export Log( ) of List...</source>
        <translation>Log( ) der Liste exportieren...</translation>
    </message>
    <message>
        <source>Export Inverse of List...</source>
        <translation>Kehrwert der Liste exportieren...</translation>
    </message>
    <message>
        <source>Export List-Function &amp;Difference...</source>
        <translation>Diffe&amp;renz Liste-Funktion exportieren...</translation>
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
        <source>&amp;Copy Graph</source>
        <translation>Grafik &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Hide Scrolling Plot</source>
        <translation>Grafik beim Scrollen &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Smooth Plotting</source>
        <translation>&amp;Geglättet zeichnen</translation>
    </message>
    <message>
        <source>&amp;Refine Curves</source>
        <translation>Kurven &amp;verfeinern</translation>
    </message>
    <message>
        <source>&amp;Auto z Range</source>
        <translation>Automatischer z-&amp;Bereich</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Gleiche &amp;Skalierung</translation>
    </message>
    <message>
        <source>&amp;Automatic Tick Scales</source>
        <translation>Automatische Skalen&amp;teilung</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legende</translation>
    </message>
    <message>
        <source>Log x-axis</source>
        <translation>Log x-Achse</translation>
    </message>
    <message>
        <source>Log y-axis</source>
        <translation>Log y-Achse</translation>
    </message>
    <message>
        <source>1 / x-axis</source>
        <translation>1 / x-Achse</translation>
    </message>
    <message>
        <source>1 / y-axis</source>
        <translation>1 / y-Achse</translation>
    </message>
    <message>
        <source>Set to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>V&amp;ergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Shift Graph &amp;Left</source>
        <translation>Grafik nach li&amp;nks verschieben</translation>
    </message>
    <message>
        <source>Shift Graph &amp;Right</source>
        <translation>Grafik nach &amp;rechts verschieben</translation>
    </message>
    <message>
        <source>Shift Graph &amp;Up</source>
        <translation>Grafik nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Shift Graph &amp;Down</source>
        <translation>Grafik nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Stop &amp;Animation</source>
        <translation>Animation an&amp;halten</translation>
    </message>
    <message>
        <source>More &amp;Visual Options...</source>
        <translation>&amp;Weitere Anzeigeoptionen...</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Parametric Grapher</source>
        <translation>&amp;Parameterdarstellung</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Vectors</source>
        <translation>&amp;Vektoren</translation>
    </message>
    <message>
        <source>&amp;Calculus</source>
        <translation>Anal&amp;ysis</translation>
    </message>
    <message>
        <source>Find &amp;Root</source>
        <translation>&amp;Nullstelle suchen</translation>
    </message>
    <message>
        <source>Find Local &amp;Extremum</source>
        <translation>Lokales &amp;Extremum suchen</translation>
    </message>
    <message>
        <source>Find Inflection &amp;Point</source>
        <translation>&amp;Wendepunkt suchen</translation>
    </message>
    <message>
        <source>&amp;Find Intersection</source>
        <translation>&amp;Schnittpunkt suchen</translation>
    </message>
    <message>
        <source>Evaluate &amp;Derivative</source>
        <translation>&amp;Ableitung berechnen</translation>
    </message>
    <message>
        <source>Evaluate &amp;Second Derivative</source>
        <translation>&amp;2. Ableitung berechnen</translation>
    </message>
    <message>
        <source>Evaluate &amp;Integral...</source>
        <translation>&amp;Integral berechnen...</translation>
    </message>
</context>
</TS>
