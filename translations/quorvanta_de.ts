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
    <message>
        <source>Calculator history</source>
        <translation>Rechnerverlauf</translation>
    </message>
    <message>
        <source>Title of a new equation</source>
        <translation>Titel einer neuen Gleichung</translation>
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
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Point Cross</source>
        <translation>Punktkreuz</translation>
    </message>
    <message>
        <source>Function Line</source>
        <translation>Funktionslinie</translation>
    </message>
    <message>
        <source>Derivative</source>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>2nd Derivative</source>
        <translation>2. Ableitung</translation>
    </message>
    <message>
        <source>Point Connect</source>
        <translation>Punktverbindung</translation>
    </message>
    <message>
        <source>Moving Average</source>
        <translation>Gleitender Mittelwert</translation>
    </message>
    <message>
        <source>Data Smooth</source>
        <translation>Datenglättung</translation>
    </message>
    <message>
        <source>Drag Zoom Lines</source>
        <translation>Zoomrahmen</translation>
    </message>
</context>
<context>
    <name>qv::CrashRecovery</name>
    <message>
        <source>Your unsaved graph could not be kept against a crash: %1.</source>
        <translation>Ihre ungespeicherte Grafik konnte nicht gegen einen Absturz gesichert werden: %1.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written</source>
        <translation>der Ordner &quot;%1&quot; kann nicht beschrieben werden</translation>
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
    <message>
        <source>Correlation = </source>
        <translation>Korrelation = </translation>
    </message>
    <message>
        <source>Sum = </source>
        <translation>Summe = </translation>
    </message>
    <message>
        <source>Average = </source>
        <translation>Mittelwert = </translation>
    </message>
    <message>
        <source>Standard Deviation = </source>
        <translation>Standardabweichung = </translation>
    </message>
    <message>
        <source>Number of Elements = </source>
        <translation>Anzahl der Elemente = </translation>
    </message>
    <message>
        <source>Data tools</source>
        <translation>Datenwerkzeuge</translation>
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
    <name>qv::Formulas</name>
    <message>
        <source>Quadratic Formula (+)</source>
        <translation>Mitternachtsformel (+)</translation>
    </message>
    <message>
        <source>Quadratic Formula (-)</source>
        <translation>Mitternachtsformel (-)</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Kreisumfang</translation>
    </message>
    <message>
        <source>Reg. Polygon&apos;s Perimeter</source>
        <translation>Umfang reg. Vieleck</translation>
    </message>
    <message>
        <source>Hypotenuse</source>
        <translation>Hypotenuse</translation>
    </message>
    <message>
        <source>Distance Formula</source>
        <translation>Abstandsformel</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Force of Gravity</source>
        <translation>Gravitationskraft</translation>
    </message>
    <message>
        <source>Celsius to Fahrenheit</source>
        <translation>Celsius in Fahrenheit</translation>
    </message>
    <message>
        <source>Fahrenheit to Celsius</source>
        <translation>Fahrenheit in Celsius</translation>
    </message>
    <message>
        <source>Value of Initial Sum</source>
        <translation>Endwert einer Anlage</translation>
    </message>
    <message>
        <source>Value of Annuity</source>
        <translation>Endwert einer Rente</translation>
    </message>
    <message>
        <source>Regular Polygon</source>
        <translation>Regelmäßiges Vieleck</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Triangle (2)</source>
        <translation>Dreieck (2)</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Parallelogram (2)</source>
        <translation>Parallelogramm (2)</translation>
    </message>
    <message>
        <source>Rhombus</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Rhombus (2)</source>
        <translation>Raute (2)</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Circular Sector</source>
        <translation>Kreissektor</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Surface Cube</source>
        <translation>Oberfläche Würfel</translation>
    </message>
    <message>
        <source>Surface Sphere</source>
        <translation>Oberfläche Kugel</translation>
    </message>
    <message>
        <source>Surface Cylinder</source>
        <translation>Oberfläche Zylinder</translation>
    </message>
    <message>
        <source>Surface Right Cone</source>
        <translation>Oberfl. gerader Kegel</translation>
    </message>
    <message>
        <source>Surf. Reg. Tetrahedron</source>
        <translation>Oberfl. reg. Tetraeder</translation>
    </message>
    <message>
        <source>Surf. Reg. Octahedron</source>
        <translation>Oberfl. reg. Oktaeder</translation>
    </message>
    <message>
        <source>Surf. Reg. Icosahedron</source>
        <translation>Oberfl. reg. Ikosaeder</translation>
    </message>
    <message>
        <source>Surf. Reg. Dodecahedron</source>
        <translation>Oberfl. reg. Dodekaeder</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Rectangular Prism</source>
        <translation>Quader</translation>
    </message>
    <message>
        <source>General Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Ellipsoid</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Regular Tetrahedron</source>
        <translation>Regelmäßiges Tetraeder</translation>
    </message>
    <message>
        <source>Regular Octahedron</source>
        <translation>Regelmäßiges Oktaeder</translation>
    </message>
    <message>
        <source>Regular Icosahedron</source>
        <translation>Regelmäßiges Ikosaeder</translation>
    </message>
    <message>
        <source>Regular Dodecahedron</source>
        <translation>Regelmäßiges Dodekaeder</translation>
    </message>
    <message>
        <source>A triangle is a closed figure with three straight sides and three angles.</source>
        <translation>Ein Dreieck ist eine geschlossene Figur mit drei geraden Seiten und drei Winkeln.</translation>
    </message>
    <message>
        <source>A parallelogram is a four-sided figure whose opposite sides are parallel and have the same length.</source>
        <translation>Ein Parallelogramm ist ein Viereck, dessen gegenüberliegende Seiten parallel und gleich lang sind.</translation>
    </message>
    <message>
        <source>A rhombus is a four-sided figure whose four sides all have the same length; its opposite sides are parallel.</source>
        <translation>Eine Raute ist ein Viereck, dessen vier Seiten alle gleich lang sind; ihre gegenüberliegenden Seiten sind parallel.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the distance from the center of the circle to any point on the circle.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Abstand vom Mittelpunkt des Kreises zu einem beliebigen Punkt auf dem Kreis.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the distance from the center of the sphere to any point on its surface.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Abstand vom Mittelpunkt der Kugel zu einem beliebigen Punkt auf ihrer Oberfläche.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the radius of each circular end, and &apos;&apos;Height&apos;&apos; is the distance between the two ends.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Radius der beiden Kreisflächen an den Enden, und &apos;&apos;Height&apos;&apos; ist der Abstand zwischen diesen beiden Kreisflächen.</translation>
    </message>
    <message>
        <source>The quadratic formula gives the solutions x of a quadratic equation, &apos;&apos;A&apos;&apos;x^2 + &apos;&apos;B&apos;&apos;x + &apos;&apos;C&apos;&apos; = 0.</source>
        <translation>Die Mitternachtsformel liefert die Lösungen x einer quadratischen Gleichung &apos;&apos;A&apos;&apos;x^2 + &apos;&apos;B&apos;&apos;x + &apos;&apos;C&apos;&apos; = 0.</translation>
    </message>
    <message>
        <source>Celsius and Fahrenheit are two temperature scales: water freezes at 0 degrees Celsius, or 32 degrees Fahrenheit, and boils at 100 degrees Celsius, or 212 degrees Fahrenheit.</source>
        <translation>Celsius und Fahrenheit sind zwei Temperaturskalen: Wasser gefriert bei 0 Grad Celsius bzw. 32 Grad Fahrenheit und siedet bei 100 Grad Celsius bzw. 212 Grad Fahrenheit.</translation>
    </message>
    <message>
        <source>Area of a Regular Polygon:</source>
        <translation>Flächeninhalt eines regelmäßigen Vielecks:</translation>
    </message>
    <message>
        <source>A regular polygon is a closed figure whose sides all have the same length and whose angles are all equal.</source>
        <translation>Ein regelmäßiges Vieleck ist eine geschlossene Figur, deren Seiten alle gleich lang und deren Winkel alle gleich groß sind.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one side of the polygon, and &apos;&apos;N&apos;&apos; is the number of its sides.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Seite des Vielecks, und &apos;&apos;N&apos;&apos; ist die Anzahl seiner Seiten.</translation>
    </message>
    <message>
        <source>Area of a Triangle:</source>
        <translation>Flächeninhalt eines Dreiecks:</translation>
    </message>
    <message>
        <source>&apos;&apos;Base&apos;&apos; is the length of the side chosen as the base, and &apos;&apos;Height&apos;&apos; is the perpendicular distance from that side to the opposite corner.</source>
        <translation>&apos;&apos;Base&apos;&apos; ist die Länge der als Grundseite gewählten Seite, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand der gegenüberliegenden Ecke von dieser Seite.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; are the lengths of two sides of the triangle, and &apos;&apos;Degrees&apos;&apos; is the angle between them, measured in degrees.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; sind die Längen zweier Seiten des Dreiecks, und &apos;&apos;Degrees&apos;&apos; ist der von ihnen eingeschlossene Winkel, gemessen in Grad.</translation>
    </message>
    <message>
        <source>Area of a Square:</source>
        <translation>Flächeninhalt eines Quadrats:</translation>
    </message>
    <message>
        <source>A square is a four-sided figure whose sides all have the same length and whose four angles are all right angles.</source>
        <translation>Ein Quadrat ist ein Viereck, dessen Seiten alle gleich lang und dessen vier Winkel alle rechte Winkel sind.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one side of the square.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Seite des Quadrats.</translation>
    </message>
    <message>
        <source>Area of a Rectangle:</source>
        <translation>Flächeninhalt eines Rechtecks:</translation>
    </message>
    <message>
        <source>A rectangle is a four-sided figure whose four angles are all right angles; its opposite sides have the same length.</source>
        <translation>Ein Rechteck ist ein Viereck, dessen vier Winkel alle rechte Winkel sind; seine gegenüberliegenden Seiten sind gleich lang.</translation>
    </message>
    <message>
        <source>&apos;&apos;Length&apos;&apos; and &apos;&apos;Width&apos;&apos; are the lengths of two sides of the rectangle that meet at a corner.</source>
        <translation>&apos;&apos;Length&apos;&apos; und &apos;&apos;Width&apos;&apos; sind die Längen zweier Seiten des Rechtecks, die in einer Ecke zusammentreffen.</translation>
    </message>
    <message>
        <source>Area of a Parallelogram:</source>
        <translation>Flächeninhalt eines Parallelogramms:</translation>
    </message>
    <message>
        <source>&apos;&apos;Base&apos;&apos; is the length of the side chosen as the base, and &apos;&apos;Height&apos;&apos; is the perpendicular distance between that side and the side opposite to it.</source>
        <translation>&apos;&apos;Base&apos;&apos; ist die Länge der als Grundseite gewählten Seite, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand zwischen dieser Seite und der ihr gegenüberliegenden Seite.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; are the lengths of two sides of the parallelogram that meet at a corner, and &apos;&apos;Degrees&apos;&apos; is the angle between them, measured in degrees.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; sind die Längen zweier Seiten des Parallelogramms, die in einer Ecke zusammentreffen, und &apos;&apos;Degrees&apos;&apos; ist der von ihnen eingeschlossene Winkel, gemessen in Grad.</translation>
    </message>
    <message>
        <source>Area of a Rhombus:</source>
        <translation>Flächeninhalt einer Raute:</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; are the lengths of the two diagonals of the rhombus, the lines that join its opposite corners.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; sind die Längen der beiden Diagonalen der Raute, also der Strecken, die ihre gegenüberliegenden Ecken verbinden.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one side of the rhombus, and &apos;&apos;Degrees&apos;&apos; is the angle between two sides that meet at a corner, measured in degrees.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Seite der Raute, und &apos;&apos;Degrees&apos;&apos; ist der Winkel zwischen zwei Seiten, die in einer Ecke zusammentreffen, gemessen in Grad.</translation>
    </message>
    <message>
        <source>Area of a Trapezoid:</source>
        <translation>Flächeninhalt eines Trapezes:</translation>
    </message>
    <message>
        <source>A trapezoid is a four-sided figure with one pair of parallel sides, which are called its bases.</source>
        <translation>Ein Trapez ist ein Viereck mit einem Paar paralleler Seiten, die seine Grundseiten genannt werden.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; are the lengths of the two parallel sides, and &apos;&apos;Height&apos;&apos; is the perpendicular distance between them.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; sind die Längen der beiden parallelen Seiten, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand zwischen ihnen.</translation>
    </message>
    <message>
        <source>Area of a Circle:</source>
        <translation>Flächeninhalt eines Kreises:</translation>
    </message>
    <message>
        <source>A circle is the set of all points in a plane that are the same distance from one fixed point, its center.</source>
        <translation>Ein Kreis ist die Menge aller Punkte einer Ebene, die von einem festen Punkt, seinem Mittelpunkt, denselben Abstand haben.</translation>
    </message>
    <message>
        <source>Area of a Circular Sector:</source>
        <translation>Flächeninhalt eines Kreissektors:</translation>
    </message>
    <message>
        <source>A circular sector is the part of a circle enclosed by two radii and the arc between them, shaped like a slice of pie.</source>
        <translation>Ein Kreissektor ist der Teil eines Kreises, der von zwei Radien und dem Bogen zwischen ihnen begrenzt wird; er hat die Form eines Tortenstücks.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the radius of the circle, and &apos;&apos;Degrees&apos;&apos; is the angle between the two radii, measured in degrees.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Radius des Kreises, und &apos;&apos;Degrees&apos;&apos; ist der Winkel zwischen den beiden Radien, gemessen in Grad.</translation>
    </message>
    <message>
        <source>Area of an Ellipse:</source>
        <translation>Flächeninhalt einer Ellipse:</translation>
    </message>
    <message>
        <source>An ellipse is an oval: the set of all points in a plane whose distances from two fixed points, the foci, add up to the same total.</source>
        <translation>Eine Ellipse ist ein Oval: die Menge aller Punkte einer Ebene, deren Abstände zu zwei festen Punkten, den Brennpunkten, zusammen stets dieselbe Summe ergeben.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; are the two semi-axes: half the longest and half the shortest width of the ellipse, each measured from its center.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; sind die beiden Halbachsen: die halbe größte und die halbe kleinste Breite der Ellipse, jeweils von ihrem Mittelpunkt aus gemessen.</translation>
    </message>
    <message>
        <source>Surface Area of a Cube:</source>
        <translation>Oberfläche eines Würfels:</translation>
    </message>
    <message>
        <source>The surface area of a cube is the total area of its six faces, which are all squares of the same size.</source>
        <translation>Die Oberfläche eines Würfels ist der gesamte Flächeninhalt seiner sechs Seitenflächen, die alle gleich große Quadrate sind.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one edge of the cube.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Kante des Würfels.</translation>
    </message>
    <message>
        <source>Surface Area of a Sphere:</source>
        <translation>Oberfläche einer Kugel:</translation>
    </message>
    <message>
        <source>The surface area of a sphere is the area of its round outer surface, every point of which is the same distance from the center of the sphere.</source>
        <translation>Die Oberfläche einer Kugel ist der Flächeninhalt ihrer runden äußeren Hülle, deren Punkte alle denselben Abstand vom Mittelpunkt der Kugel haben.</translation>
    </message>
    <message>
        <source>Surface Area of a Cylinder:</source>
        <translation>Oberfläche eines Zylinders:</translation>
    </message>
    <message>
        <source>The surface area of a cylinder is the area of its two circular ends plus the area of the curved side that joins them.</source>
        <translation>Die Oberfläche eines Zylinders ist der Flächeninhalt seiner beiden Kreisflächen plus der Flächeninhalt der gekrümmten Mantelfläche, die sie verbindet.</translation>
    </message>
    <message>
        <source>Surface Area of a Right Cone:</source>
        <translation>Oberfläche eines geraden Kegels:</translation>
    </message>
    <message>
        <source>The surface area of a right cone is the area of its circular base plus the area of its slanted side; in a right cone the tip lies straight above the center of the base.</source>
        <translation>Die Oberfläche eines geraden Kegels ist der Flächeninhalt seiner kreisförmigen Grundfläche plus der Flächeninhalt seiner schrägen Mantelfläche; bei einem geraden Kegel liegt die Spitze genau senkrecht über dem Mittelpunkt der Grundfläche.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the radius of the circular base, and &apos;&apos;Height&apos;&apos; is the distance from the center of the base straight up to the tip.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Radius der kreisförmigen Grundfläche, und &apos;&apos;Height&apos;&apos; ist der Abstand vom Mittelpunkt der Grundfläche senkrecht nach oben bis zur Spitze.</translation>
    </message>
    <message>
        <source>Surface Area of a Regular Tetrahedron:</source>
        <translation>Oberfläche eines regelmäßigen Tetraeders:</translation>
    </message>
    <message>
        <source>A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same size; its surface area is the total area of those faces.</source>
        <translation>Ein regelmäßiges Tetraeder ist ein Körper mit vier Seitenflächen, die alle gleich große gleichseitige Dreiecke sind; seine Oberfläche ist der gesamte Flächeninhalt dieser Seitenflächen.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one edge of the tetrahedron.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Kante des Tetraeders.</translation>
    </message>
    <message>
        <source>Surface Area of a Regular Octahedron:</source>
        <translation>Oberfläche eines regelmäßigen Oktaeders:</translation>
    </message>
    <message>
        <source>A regular octahedron is a solid with eight faces that are all equilateral triangles of the same size; its surface area is the total area of those faces.</source>
        <translation>Ein regelmäßiges Oktaeder ist ein Körper mit acht Seitenflächen, die alle gleich große gleichseitige Dreiecke sind; seine Oberfläche ist der gesamte Flächeninhalt dieser Seitenflächen.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one edge of the octahedron.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Kante des Oktaeders.</translation>
    </message>
    <message>
        <source>Surface Area of a Regular Icosahedron:</source>
        <translation>Oberfläche eines regelmäßigen Ikosaeders:</translation>
    </message>
    <message>
        <source>A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same size; its surface area is the total area of those faces.</source>
        <translation>Ein regelmäßiges Ikosaeder ist ein Körper mit zwanzig Seitenflächen, die alle gleich große gleichseitige Dreiecke sind; seine Oberfläche ist der gesamte Flächeninhalt dieser Seitenflächen.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one edge of the icosahedron.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Kante des Ikosaeders.</translation>
    </message>
    <message>
        <source>Surface Area of a Regular Dodecahedron:</source>
        <translation>Oberfläche eines regelmäßigen Dodekaeders:</translation>
    </message>
    <message>
        <source>A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same size; its surface area is the total area of those faces.</source>
        <translation>Ein regelmäßiges Dodekaeder ist ein Körper mit zwölf Seitenflächen, die alle gleich große regelmäßige Fünfecke sind; seine Oberfläche ist der gesamte Flächeninhalt dieser Seitenflächen.</translation>
    </message>
    <message>
        <source>&apos;&apos;Side&apos;&apos; is the length of one edge of the dodecahedron.</source>
        <translation>&apos;&apos;Side&apos;&apos; ist die Länge einer Kante des Dodekaeders.</translation>
    </message>
    <message>
        <source>Volume of a Cube:</source>
        <translation>Volumen eines Würfels:</translation>
    </message>
    <message>
        <source>A cube is a solid with six faces that are all squares of the same size; its volume is the amount of space it fills.</source>
        <translation>Ein Würfel ist ein Körper mit sechs Seitenflächen, die alle gleich große Quadrate sind; sein Volumen ist der Raum, den er ausfüllt.</translation>
    </message>
    <message>
        <source>Volume of a Rectangular Prism:</source>
        <translation>Volumen eines Quaders:</translation>
    </message>
    <message>
        <source>A rectangular prism is a box-shaped solid with six rectangular faces that meet at right angles.</source>
        <translation>Ein Quader ist ein kastenförmiger Körper mit sechs rechteckigen Seitenflächen, die im rechten Winkel aufeinandertreffen.</translation>
    </message>
    <message>
        <source>&apos;&apos;Length&apos;&apos;, &apos;&apos;Width&apos;&apos; and &apos;&apos;Height&apos;&apos; are the lengths of the three edges that meet at one corner of the prism.</source>
        <translation>&apos;&apos;Length&apos;&apos;, &apos;&apos;Width&apos;&apos; und &apos;&apos;Height&apos;&apos; sind die Längen der drei Kanten, die in einer Ecke des Quaders zusammentreffen.</translation>
    </message>
    <message>
        <source>Volume of a General Prism:</source>
        <translation>Volumen eines allgemeinen Prismas:</translation>
    </message>
    <message>
        <source>A prism is a solid with two identical, parallel bases joined by flat sides; its bases may be any polygon.</source>
        <translation>Ein Prisma ist ein Körper mit zwei deckungsgleichen, parallelen Grundflächen, die durch ebene Seitenflächen verbunden sind; die Grundflächen können beliebige Vielecke sein.</translation>
    </message>
    <message>
        <source>&apos;&apos;BaseArea&apos;&apos; is the area of one base, and &apos;&apos;Height&apos;&apos; is the perpendicular distance between the two bases.</source>
        <translation>&apos;&apos;BaseArea&apos;&apos; ist der Flächeninhalt einer Grundfläche, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand zwischen den beiden Grundflächen.</translation>
    </message>
    <message>
        <source>Volume of a Cylinder:</source>
        <translation>Volumen eines Zylinders:</translation>
    </message>
    <message>
        <source>A cylinder is a solid with two parallel circular ends of the same size joined by a curved side.</source>
        <translation>Ein Zylinder ist ein Körper mit zwei parallelen, gleich großen Kreisflächen, die durch eine gekrümmte Mantelfläche verbunden sind.</translation>
    </message>
    <message>
        <source>Volume of a Sphere:</source>
        <translation>Volumen einer Kugel:</translation>
    </message>
    <message>
        <source>A sphere is a perfectly round solid: every point of its surface is the same distance from its center.</source>
        <translation>Eine Kugel ist ein vollkommen runder Körper: Jeder Punkt ihrer Oberfläche hat denselben Abstand von ihrem Mittelpunkt.</translation>
    </message>
    <message>
        <source>Volume of an Ellipsoid:</source>
        <translation>Volumen eines Ellipsoids:</translation>
    </message>
    <message>
        <source>An ellipsoid is a solid shaped like a stretched or squashed sphere; every flat cut through it is an ellipse or a circle.</source>
        <translation>Ein Ellipsoid ist ein Körper in der Form einer gestreckten oder gestauchten Kugel; jeder ebene Schnitt durch ihn ist eine Ellipse oder ein Kreis.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos;, &apos;&apos;B&apos;&apos; and &apos;&apos;C&apos;&apos; are the three semi-axes: the distances from the center to the surface along three directions at right angles to each other.</source>
        <translation>&apos;&apos;A&apos;&apos;, &apos;&apos;B&apos;&apos; und &apos;&apos;C&apos;&apos; sind die drei Halbachsen: die Abstände vom Mittelpunkt zur Oberfläche in drei zueinander senkrechten Richtungen.</translation>
    </message>
    <message>
        <source>Volume of a Pyramid:</source>
        <translation>Volumen einer Pyramide:</translation>
    </message>
    <message>
        <source>A pyramid is a solid with a flat base and triangular sides that meet at one point, its apex; the base may be any polygon.</source>
        <translation>Eine Pyramide ist ein Körper mit einer ebenen Grundfläche und dreieckigen Seitenflächen, die sich in einem Punkt, ihrer Spitze, treffen; die Grundfläche kann ein beliebiges Vieleck sein.</translation>
    </message>
    <message>
        <source>&apos;&apos;BaseArea&apos;&apos; is the area of the base, and &apos;&apos;Height&apos;&apos; is the perpendicular distance from the base to the apex.</source>
        <translation>&apos;&apos;BaseArea&apos;&apos; ist der Flächeninhalt der Grundfläche, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand von der Grundfläche zur Spitze.</translation>
    </message>
    <message>
        <source>Volume of a Cone: </source>
        <translation>Volumen eines Kegels: </translation>
    </message>
    <message>
        <source>A cone is a solid with a circular base and a curved side that narrows to one point, its tip.</source>
        <translation>Ein Kegel ist ein Körper mit einer kreisförmigen Grundfläche und einer gekrümmten Mantelfläche, die in einem Punkt, seiner Spitze, zusammenläuft.</translation>
    </message>
    <message>
        <source>&apos;&apos;Radius&apos;&apos; is the radius of the circular base, and &apos;&apos;Height&apos;&apos; is the perpendicular distance from the base to the tip.</source>
        <translation>&apos;&apos;Radius&apos;&apos; ist der Radius der kreisförmigen Grundfläche, und &apos;&apos;Height&apos;&apos; ist der senkrechte Abstand von der Grundfläche zur Spitze.</translation>
    </message>
    <message>
        <source>Volume of a Regular Tetrahedron:</source>
        <translation>Volumen eines regelmäßigen Tetraeders:</translation>
    </message>
    <message>
        <source>A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same size.</source>
        <translation>Ein regelmäßiges Tetraeder ist ein Körper mit vier Seitenflächen, die alle gleich große gleichseitige Dreiecke sind.</translation>
    </message>
    <message>
        <source>Volume of a Regular Octahedron:</source>
        <translation>Volumen eines regelmäßigen Oktaeders:</translation>
    </message>
    <message>
        <source>A regular octahedron is a solid with eight faces that are all equilateral triangles of the same size.</source>
        <translation>Ein regelmäßiges Oktaeder ist ein Körper mit acht Seitenflächen, die alle gleich große gleichseitige Dreiecke sind.</translation>
    </message>
    <message>
        <source>Volume of a Regular Icosahedron:</source>
        <translation>Volumen eines regelmäßigen Ikosaeders:</translation>
    </message>
    <message>
        <source>A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same size.</source>
        <translation>Ein regelmäßiges Ikosaeder ist ein Körper mit zwanzig Seitenflächen, die alle gleich große gleichseitige Dreiecke sind.</translation>
    </message>
    <message>
        <source>Volume of a Regular Dodecahedron:</source>
        <translation>Volumen eines regelmäßigen Dodekaeders:</translation>
    </message>
    <message>
        <source>A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same size.</source>
        <translation>Ein regelmäßiges Dodekaeder ist ein Körper mit zwölf Seitenflächen, die alle gleich große regelmäßige Fünfecke sind.</translation>
    </message>
    <message>
        <source>Quadratic Formula (+):</source>
        <translation>Mitternachtsformel (+):</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; is the number multiplying x^2 (it must not be 0), &apos;&apos;B&apos;&apos; the number multiplying x, and &apos;&apos;C&apos;&apos; the number standing alone.  This equation solves for the greater of the two solutions that may be found.</source>
        <translation>&apos;&apos;A&apos;&apos; ist die Zahl vor x^2 (sie darf nicht 0 sein), &apos;&apos;B&apos;&apos; die Zahl vor x und &apos;&apos;C&apos;&apos; die Zahl ohne x.  Diese Formel liefert die größere der beiden Lösungen, die es geben kann.</translation>
    </message>
    <message>
        <source>Quadratic Formula (-):</source>
        <translation>Mitternachtsformel (-):</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; is the number multiplying x^2 (it must not be 0), &apos;&apos;B&apos;&apos; the number multiplying x, and &apos;&apos;C&apos;&apos; the number standing alone.  This equation solves for the lesser of the two solutions that may be found.</source>
        <translation>&apos;&apos;A&apos;&apos; ist die Zahl vor x^2 (sie darf nicht 0 sein), &apos;&apos;B&apos;&apos; die Zahl vor x und &apos;&apos;C&apos;&apos; die Zahl ohne x.  Diese Formel liefert die kleinere der beiden Lösungen, die es geben kann.</translation>
    </message>
    <message>
        <source>Finding the length of the Hypoenuse of a Right Triangle:</source>
        <translation>Berechnung der Länge der Hypotenuse eines rechtwinkligen Dreiecks:</translation>
    </message>
    <message>
        <source>The hypotenuse of a right triangle is the side that is opposite to the right angle of that triangle.</source>
        <translation>Die Hypotenuse eines rechtwinkligen Dreiecks ist die Seite, die dem rechten Winkel des Dreiecks gegenüberliegt.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; and &apos;&apos;B&apos;&apos; refer to the lengths of the two legs of the triangle.</source>
        <translation>&apos;&apos;A&apos;&apos; und &apos;&apos;B&apos;&apos; bezeichnen die Längen der beiden Katheten des Dreiecks.</translation>
    </message>
    <message>
        <source>Distance Formula:</source>
        <translation>Abstandsformel:</translation>
    </message>
    <message>
        <source>The distance formula gives the length of the straight line segment between two points of a plane.</source>
        <translation>Die Abstandsformel liefert die Länge der geraden Strecke zwischen zwei Punkten einer Ebene.</translation>
    </message>
    <message>
        <source>&apos;&apos;X1&apos;&apos; and &apos;&apos;Y1&apos;&apos; are the x and y coordinates of the first point, &apos;&apos;X2&apos;&apos; and &apos;&apos;Y2&apos;&apos; those of the second point.</source>
        <translation>&apos;&apos;X1&apos;&apos; und &apos;&apos;Y1&apos;&apos; sind die x- und die y-Koordinate des ersten Punktes, &apos;&apos;X2&apos;&apos; und &apos;&apos;Y2&apos;&apos; die des zweiten Punktes.</translation>
    </message>
    <message>
        <source>Finding Density:</source>
        <translation>Berechnung der Dichte:</translation>
    </message>
    <message>
        <source>The density of an object is its mass per unit of volume: how much matter is packed into each unit of space.</source>
        <translation>Die Dichte eines Gegenstands ist seine Masse pro Volumeneinheit: wie viel Materie in jeder Raumeinheit steckt.</translation>
    </message>
    <message>
        <source>&apos;&apos;Mass&apos;&apos; is the mass of the object and &apos;&apos;Volume&apos;&apos; the space it takes up; the density comes out in units of mass per unit of volume, such as grams per cubic centimeter.</source>
        <translation>&apos;&apos;Mass&apos;&apos; ist die Masse des Gegenstands und &apos;&apos;Volume&apos;&apos; der Raum, den er einnimmt; die Dichte ergibt sich in Masseneinheiten pro Volumeneinheit, zum Beispiel in Gramm pro Kubikzentimeter.</translation>
    </message>
    <message>
        <source>The Force of Gravity:</source>
        <translation>Die Gravitationskraft:</translation>
    </message>
    <message>
        <source>The force of gravity is the pull between two masses; it grows with the masses and weakens with the square of the distance between them.</source>
        <translation>Die Gravitationskraft ist die Anziehung zwischen zwei Massen; sie wächst mit den Massen und nimmt mit dem Quadrat des Abstands zwischen ihnen ab.</translation>
    </message>
    <message>
        <source>&apos;&apos;M&apos;&apos; and &apos;&apos;m&apos;&apos; are the masses of the two objects in kilograms, and &apos;&apos;Radius&apos;&apos; is the distance between their centers in meters; the force comes out in newtons.  &apos;&apos;G&apos;&apos; is the gravitational constant (already defined).</source>
        <translation>&apos;&apos;M&apos;&apos; und &apos;&apos;m&apos;&apos; sind die Massen der beiden Körper in Kilogramm, und &apos;&apos;Radius&apos;&apos; ist der Abstand zwischen ihren Mittelpunkten in Metern; die Kraft ergibt sich in Newton.  &apos;&apos;G&apos;&apos; ist die Gravitationskonstante (bereits definiert).</translation>
    </message>
    <message>
        <source>Converting Celsius Degrees to Fahrenheit Degrees:</source>
        <translation>Umrechnung von Grad Celsius in Grad Fahrenheit:</translation>
    </message>
    <message>
        <source>&apos;&apos;C&apos;&apos; is the temperature in degrees Celsius; the answer is the same temperature in degrees Fahrenheit.</source>
        <translation>&apos;&apos;C&apos;&apos; ist die Temperatur in Grad Celsius; das Ergebnis ist dieselbe Temperatur in Grad Fahrenheit.</translation>
    </message>
    <message>
        <source>Converting Fahrenheit Degrees to Celsius Degrees:</source>
        <translation>Umrechnung von Grad Fahrenheit in Grad Celsius:</translation>
    </message>
    <message>
        <source>&apos;&apos;F&apos;&apos; is the temperature in degrees Fahrenheit; the answer is the same temperature in degrees Celsius.</source>
        <translation>&apos;&apos;F&apos;&apos; ist die Temperatur in Grad Fahrenheit; das Ergebnis ist dieselbe Temperatur in Grad Celsius.</translation>
    </message>
    <message>
        <source>Finding the Present Value of an Initial Investment:</source>
        <translation>Berechnung des Endwerts einer einmaligen Anlage:</translation>
    </message>
    <message>
        <source>This finds what a sum invested once grows to with compound interest: the interest earned in each period is added to the sum and earns interest itself from then on.</source>
        <translation>Hiermit wird berechnet, auf welchen Betrag eine einmal angelegte Summe mit Zinseszins anwächst: Die in jeder Periode erzielten Zinsen werden der Summe zugeschlagen und von da an selbst mitverzinst.</translation>
    </message>
    <message>
        <source>&apos;&apos;P&apos;&apos; is the sum invested at the start, &apos;&apos;i&apos;&apos; is the interest rate per period as a decimal (5% is 0.05), and &apos;&apos;n&apos;&apos; is the number of periods; the answer is the value of the investment after the last period.</source>
        <translation>&apos;&apos;P&apos;&apos; ist die zu Beginn angelegte Summe, &apos;&apos;i&apos;&apos; ist der Zinssatz pro Periode als Dezimalzahl (5 % entspricht 0.05), und &apos;&apos;n&apos;&apos; ist die Anzahl der Perioden; das Ergebnis ist der Wert der Anlage nach der letzten Periode.</translation>
    </message>
    <message>
        <source>Finding the Present Value of a Periodic Investment:</source>
        <translation>Berechnung des Endwerts einer regelmäßigen Anlage:</translation>
    </message>
    <message>
        <source>An annuity is a series of equal payments invested at the end of every period; this finds what they are worth together, with compound interest, at the moment the last payment is made.</source>
        <translation>Eine Rente ist eine Folge gleich hoher Zahlungen, die jeweils am Ende jeder Periode angelegt werden; hiermit wird berechnet, welchen Wert sie mit Zinseszins zusammen zum Zeitpunkt der letzten Zahlung haben.</translation>
    </message>
    <message>
        <source>&apos;&apos;A&apos;&apos; is the payment made in each period, &apos;&apos;i&apos;&apos; is the interest rate per period as a decimal (5% is 0.05), and &apos;&apos;n&apos;&apos; is the number of payments.</source>
        <translation>&apos;&apos;A&apos;&apos; ist die in jeder Periode geleistete Zahlung, &apos;&apos;i&apos;&apos; ist der Zinssatz pro Periode als Dezimalzahl (5 % entspricht 0.05), und &apos;&apos;n&apos;&apos; ist die Anzahl der Zahlungen.</translation>
    </message>
    <message>
        <source>Circumference of a Circle:</source>
        <translation>Umfang eines Kreises:</translation>
    </message>
    <message>
        <source>The circumference of a circle is the distance once around it, the length of the circle itself.</source>
        <translation>Der Umfang eines Kreises ist die Strecke einmal um ihn herum, also die Länge der Kreislinie selbst.</translation>
    </message>
    <message>
        <source>Perimeter of a Regular Polygon:</source>
        <translation>Umfang eines regelmäßigen Vielecks:</translation>
    </message>
    <message>
        <source>The perimeter of a regular polygon, a closed figure whose sides all have the same length and whose angles are all equal, is the total length of its sides.</source>
        <translation>Der Umfang eines regelmäßigen Vielecks, einer geschlossenen Figur, deren Seiten alle gleich lang und deren Winkel alle gleich groß sind, ist die Gesamtlänge seiner Seiten.</translation>
    </message>
    <message>
        <source>&apos;&apos;N&apos;&apos; is the number of sides of the polygon, and &apos;&apos;B&apos;&apos; is the radius of the circle through its corners, the distance from its center to any corner.</source>
        <translation>&apos;&apos;N&apos;&apos; ist die Anzahl der Seiten des Vielecks, und &apos;&apos;B&apos;&apos; ist der Radius des Kreises durch seine Ecken, also der Abstand von seinem Mittelpunkt zu einer beliebigen Ecke.</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Eigene</translation>
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
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
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
    <name>qv::PointEvaluationController</name>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
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
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
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
    <name>qv::Texts</name>
    <message>
        <source>With the values of the variables and ans in place, the expression is longer than %1 characters, more than the calculator can evaluate.  Use shorter values or fewer variables.</source>
        <translation>Mit den eingesetzten Werten der Variablen und von ans ist der Ausdruck länger als %1 Zeichen, mehr als der Rechner auswerten kann.  Verwenden Sie kürzere Werte oder weniger Variablen.</translation>
    </message>
    <message>
        <source>One of your variables has &quot;ans&quot; as part of its name.  This should be avoided.</source>
        <translation>Eine Ihrer Variablen enthält &quot;ans&quot; im Namen.  Dies sollte vermieden werden.</translation>
    </message>
    <message>
        <source>This will delete the equation titled &apos;&apos;%1&apos;&apos; on your list of custom equations.  Is this ok?</source>
        <translation>Damit wird die Gleichung mit dem Titel &apos;&apos;%1&apos;&apos; aus Ihrer Liste eigener Gleichungen gelöscht.  Ist das in Ordnung?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Limit reached!</source>
        <translation>Quorvanta  -  Grenze erreicht!</translation>
    </message>
    <message>
        <source>You may only create 50 custom equations per file.</source>
        <translation>Sie können pro Datei höchstens 50 eigene Gleichungen erstellen.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Remove permanently?</source>
        <translation>Quorvanta  -  Endgültig entfernen?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Function Error!</source>
        <translation>Quorvanta  -  Funktionsfehler!</translation>
    </message>
    <message>
        <source>Quorvanta  -  Data Error!</source>
        <translation>Quorvanta  -  Datenfehler!</translation>
    </message>
    <message>
        <source>Animations are not allowed to be integrated.</source>
        <translation>Animationen können nicht integriert werden.</translation>
    </message>
    <message>
        <source>The upper bound must be greater than the lower bound.</source>
        <translation>Die obere Grenze muss größer als die untere Grenze sein.</translation>
    </message>
    <message>
        <source>The function must be continuous over the desired interval.</source>
        <translation>Die Funktion muss im gewünschten Intervall stetig sein.</translation>
    </message>
    <message>
        <source>Please enter a reference number from which to start looking for a root.</source>
        <translation>Bitte geben Sie einen Referenzwert ein, von dem aus nach einer Nullstelle gesucht werden soll.</translation>
    </message>
    <message>
        <source>Please enter a reference number from which to start looking for an extremum.</source>
        <translation>Bitte geben Sie einen Referenzwert ein, von dem aus nach einem Extremum gesucht werden soll.</translation>
    </message>
    <message>
        <source>Please enter a reference number from which to start looking for an inflection point.</source>
        <translation>Bitte geben Sie einen Referenzwert ein, von dem aus nach einem Wendepunkt gesucht werden soll.</translation>
    </message>
    <message>
        <source>Please enter a reference number from which to start looking for an intersection.</source>
        <translation>Bitte geben Sie einen Referenzwert ein, von dem aus nach einem Schnittpunkt gesucht werden soll.</translation>
    </message>
    <message>
        <source>Quorvanta  -  No Root!</source>
        <translation>Quorvanta  -  Keine Nullstelle!</translation>
    </message>
    <message>
        <source>A root cannot be found near the desired reference number.</source>
        <translation>In der Nähe des gewünschten Referenzwerts kann keine Nullstelle gefunden werden.</translation>
    </message>
    <message>
        <source>Quorvanta  -  No Extremum!</source>
        <translation>Quorvanta  -  Kein Extremum!</translation>
    </message>
    <message>
        <source>An extremum cannot be found near the desired reference number.</source>
        <translation>In der Nähe des gewünschten Referenzwerts kann kein Extremum gefunden werden.</translation>
    </message>
    <message>
        <source>Quorvanta  -  No Inflection Point!</source>
        <translation>Quorvanta  -  Kein Wendepunkt!</translation>
    </message>
    <message>
        <source>An inflection point cannot be found near the desired reference number.</source>
        <translation>In der Nähe des gewünschten Referenzwerts kann kein Wendepunkt gefunden werden.</translation>
    </message>
    <message>
        <source>Quorvanta  -  No Intersection!</source>
        <translation>Quorvanta  -  Kein Schnittpunkt!</translation>
    </message>
    <message>
        <source>An intersection cannot be found near the desired reference number.</source>
        <translation>In der Nähe des gewünschten Referenzwerts kann kein Schnittpunkt gefunden werden.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Data error!</source>
        <translation>Quorvanta  -  Datenfehler!</translation>
    </message>
    <message>
        <source>You need to plot at least two functions to find an intersection.</source>
        <translation>Sie müssen mindestens zwei Funktionen zeichnen, um einen Schnittpunkt zu finden.</translation>
    </message>
    <message>
        <source>Second derivative cannot be found at requested point.</source>
        <translation>Die zweite Ableitung kann an der gewünschten Stelle nicht bestimmt werden.</translation>
    </message>
    <message>
        <source>Derivative cannot be found at requested point.</source>
        <translation>Die Ableitung kann an der gewünschten Stelle nicht bestimmt werden.</translation>
    </message>
    <message>
        <source>Please enter a value at which the second derivative should be calculated.</source>
        <translation>Bitte geben Sie einen Wert ein, an dem die zweite Ableitung berechnet werden soll.</translation>
    </message>
    <message>
        <source>Please enter a value at which the derivative should be calculated.</source>
        <translation>Bitte geben Sie einen Wert ein, an dem die Ableitung berechnet werden soll.</translation>
    </message>
    <message>
        <source>Second derivative at z =</source>
        <translation>Zweite Ableitung bei z =</translation>
    </message>
    <message>
        <source>Derivative at z =</source>
        <translation>Ableitung bei z =</translation>
    </message>
    <message>
        <source>Quorvanta  -  Second Derivative</source>
        <translation>Quorvanta  -  Zweite Ableitung</translation>
    </message>
    <message>
        <source>Quorvanta  -  Derivative</source>
        <translation>Quorvanta  -  Ableitung</translation>
    </message>
    <message>
        <source>No function fits this data.</source>
        <translation>Keine Funktion passt zu diesen Daten.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Error!</source>
        <translation>Quorvanta  -  Fehler!</translation>
    </message>
    <message>
        <source>An unknown error occurred while calculating the correlation coefficient.</source>
        <translation>Bei der Berechnung des Korrelationskoeffizienten ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to check data against function.  Please make sure a valid function is entered and that the number of x data points equals the number of y data points.</source>
        <translation>Die Daten können nicht mit der Funktion verglichen werden.  Bitte stellen Sie sicher, dass eine gültige Funktion eingegeben ist und dass die Anzahl der x-Datenpunkte der Anzahl der y-Datenpunkte entspricht.</translation>
    </message>
    <message>
        <source>All y data points are equal and the function does not give them, so no correlation can be measured.</source>
        <translation>Alle y-Datenpunkte sind gleich und die Funktion liefert sie nicht, daher kann keine Korrelation gemessen werden.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Item %1 of the list is not a number, so the list cannot be exported.</source>
        <translation>Eintrag %1 der Liste ist keine Zahl, daher kann die Liste nicht exportiert werden.</translation>
    </message>
    <message>
        <source>The value for item %1 of the list is too large, so the list cannot be exported.</source>
        <translation>Der Wert von Eintrag %1 der Liste ist zu groß, daher kann die Liste nicht exportiert werden.</translation>
    </message>
    <message>
        <source>One or more of your data items is less than or equal to zero, so a logarithm cannot be performed on your list.</source>
        <translation>Einer oder mehrere Ihrer Dateneinträge sind kleiner oder gleich null, daher kann der Logarithmus Ihrer Liste nicht gebildet werden.</translation>
    </message>
    <message>
        <source>One or more of your data items is equal to zero, so it cannot be inverted.</source>
        <translation>Einer oder mehrere Ihrer Dateneinträge sind gleich null, daher kann der Kehrwert nicht gebildet werden.</translation>
    </message>
    <message>
        <source>There is either no data in your current list or the number of data points in your x list does not match the number of data points in your y list.</source>
        <translation>Entweder enthält Ihre aktuelle Liste keine Daten, oder die Anzahl der Datenpunkte in Ihrer x-Liste stimmt nicht mit der Anzahl der Datenpunkte in Ihrer y-Liste überein.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Blank field!</source>
        <translation>Quorvanta  -  Leeres Feld!</translation>
    </message>
    <message>
        <source>There is no function for which to compare the data.</source>
        <translation>Es gibt keine Funktion, mit der die Daten verglichen werden können.</translation>
    </message>
    <message>
        <source>The function does not give a number at item %1 of the x data, so the difference cannot be formed.</source>
        <translation>Die Funktion liefert bei Eintrag %1 der x-Daten keine Zahl, daher kann die Differenz nicht gebildet werden.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a data list.</source>
        <translation>Die Datei %1 ist zu groß für eine Datenliste.</translation>
    </message>
    <message>
        <source>The file %1 is not a text list: it holds binary data.</source>
        <translation>Die Datei %1 ist keine Textliste: sie enthält Binärdaten.</translation>
    </message>
    <message>
        <source>The file %1 is not a text list: line %2 is longer than 1 MiB.</source>
        <translation>Die Datei %1 ist keine Textliste: Zeile %2 ist länger als 1 MiB.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is empty, not a number.</source>
        <translation>Zeile %1 von %2 ist leer, statt eine Zahl zu enthalten.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a number: %3</source>
        <translation>Zeile %1 von %2 ist keine Zahl: %3</translation>
    </message>
    <message>
        <source>The file %1 has more than 32767 lines, more than a data list holds.</source>
        <translation>Die Datei %1 hat mehr als 32767 Zeilen, mehr als eine Datenliste aufnehmen kann.</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>There is no data in the current data list!</source>
        <translation>Die aktuelle Datenliste enthält keine Daten!</translation>
    </message>
    <message>
        <source>Quorvanta  -  Wrong extension!</source>
        <translation>Quorvanta  -  Falsche Dateiendung!</translation>
    </message>
    <message>
        <source>Only a %1 extension is allowed.</source>
        <translation>Nur die Dateiendung %1 ist zulässig.</translation>
    </message>
    <message>
        <source>The file %1 already exists.  Would you like to replace this file?</source>
        <translation>Die Datei %1 ist bereits vorhanden.  Möchten Sie diese Datei ersetzen?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Missing extension!</source>
        <translation>Quorvanta  -  Fehlende Dateiendung!</translation>
    </message>
    <message>
        <source>Please add the extension &quot;.%1&quot; to your file name.</source>
        <translation>Bitte fügen Sie Ihrem Dateinamen die Endung &quot;.%1&quot; hinzu.</translation>
    </message>
    <message>
        <source>%1 not found!</source>
        <translation>%1 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Your current list still contains data.  Ok to erase?</source>
        <translation>Ihre aktuelle Liste enthält noch Daten.  Sollen sie gelöscht werden?</translation>
    </message>
    <message>
        <source>%1 is a folder, not a list file.</source>
        <translation>%1 ist ein Ordner, keine Listendatei.</translation>
    </message>
    <message>
        <source>%1 is not a list file.</source>
        <translation>%1 ist keine Listendatei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be created: %2.</source>
        <translation>Die Datei %1 kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Export</source>
        <translation>Quorvanta  -  Exportieren</translation>
    </message>
    <message>
        <source>Quorvanta  -  Import</source>
        <translation>Quorvanta  -  Importieren</translation>
    </message>
    <message>
        <source>the sum</source>
        <translation>die Summe</translation>
    </message>
    <message>
        <source>the average</source>
        <translation>der Mittelwert</translation>
    </message>
    <message>
        <source>the standard deviation</source>
        <translation>die Standardabweichung</translation>
    </message>
    <message>
        <source>the count</source>
        <translation>die Anzahl</translation>
    </message>
    <message>
        <source>Item %1 of the list is not a number, so %2 cannot be formed.</source>
        <translation>Eintrag %1 der Liste ist keine Zahl, daher kann %2 nicht gebildet werden.</translation>
    </message>
    <message>
        <source>The values of the list are too large, so %1 cannot be formed.</source>
        <translation>Die Werte der Liste sind zu groß, daher kann %1 nicht gebildet werden.</translation>
    </message>
    <message>
        <source>Invalid input!  Make sure your entry is a real number.</source>
        <translation>Ungültige Eingabe!  Stellen Sie sicher, dass Ihre Eingabe eine reelle Zahl ist.</translation>
    </message>
    <message>
        <source>The list is full.  A data list holds at most 32767 items.</source>
        <translation>Die Liste ist voll.  Eine Datenliste enthält höchstens 32767 Einträge.</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Wrong number of arguments</source>
        <translation>Falsche Anzahl an Argumenten</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>Syntaxfehler</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Quorvanta  -  Formula error!</source>
        <translation>Quorvanta  -  Formelfehler!</translation>
    </message>
    <message>
        <source>One of your expressions does not contain an equal number of opened and closed parenthesis.</source>
        <translation>Einer Ihrer Ausdrücke enthält nicht gleich viele öffnende und schließende Klammern.</translation>
    </message>
    <message>
        <source>Quorvanta cannot find a help file.  Either the help file has been altered or Quorvanta cannot locate the appropriate program with which to open the help file. You&apos;ll have to search for the help file yourself to get help with Quorvanta.</source>
        <translation>Quorvanta kann keine Hilfedatei finden.  Entweder wurde die Hilfedatei verändert, oder Quorvanta findet kein geeignetes Programm, um die Hilfedatei zu öffnen. Sie müssen selbst nach der Hilfedatei suchen, um Hilfe zu Quorvanta zu erhalten.</translation>
    </message>
    <message>
        <source>No program on this computer opened the help file.  Open it with a program of your own choice; it is here:</source>
        <translation>Kein Programm auf diesem Computer hat die Hilfedatei geöffnet.  Öffnen Sie sie mit einem Programm Ihrer Wahl; sie befindet sich hier:</translation>
    </message>
    <message>
        <source>About Quorvanta</source>
        <translation>Über Quorvanta</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Written by the Quorvanta developers</source>
        <translation>Geschrieben von den Quorvanta-Entwicklern</translation>
    </message>
    <message>
        <source>Published as free software by the Quorvanta project</source>
        <translation>Als freie Software veröffentlicht vom Quorvanta-Projekt</translation>
    </message>
    <message>
        <source>Last compiled: %1</source>
        <translation>Zuletzt erstellt: %1</translation>
    </message>
    <message>
        <source>No help file!</source>
        <translation>Keine Hilfedatei!</translation>
    </message>
    <message>
        <source>Quorvanta  -  Help Contents</source>
        <translation>Quorvanta  -  Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Grafik exportieren</translation>
    </message>
    <message>
        <source>SVG Images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Only an SVG or a PDF extension is allowed.</source>
        <translation>Nur eine SVG- oder PDF-Dateiendung ist zulässig.</translation>
    </message>
    <message>
        <source>You have told the printer to print %1 copies.  Are you sure you would like to print that many?</source>
        <translation>Sie haben den Drucker angewiesen, %1 Kopien zu drucken.  Möchten Sie wirklich so viele drucken?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Bitmap</source>
        <translation>Quorvanta  -  Bitmap</translation>
    </message>
    <message>
        <source>Quorvanta  -  Export Graph</source>
        <translation>Quorvanta  -  Grafik exportieren</translation>
    </message>
    <message>
        <source>Quorvanta  -  Multiple Copies</source>
        <translation>Quorvanta  -  Mehrere Kopien</translation>
    </message>
    <message>
        <source>Graph Files (*.gph)</source>
        <translation>Grafikdateien (*.gph)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 is a folder, not a graph file.</source>
        <translation>%1 ist ein Ordner, keine Grafikdatei.</translation>
    </message>
    <message>
        <source>%1 is not a graph file.</source>
        <translation>%1 ist keine Grafikdatei.</translation>
    </message>
    <message>
        <source>%1 is too large to be a graph file (more than %2 MiB).</source>
        <translation>%1 ist zu groß für eine Grafikdatei (mehr als %2 MiB).</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 wurde während des Lesens verändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>One or more of the values in your graphing ranges are not numeric.  Please make sure the entries in those four text boxes are valid numbers.</source>
        <translation>Einer oder mehrere Werte Ihrer Zeichenbereiche sind nicht numerisch.  Bitte stellen Sie sicher, dass die Einträge in diesen vier Textfeldern gültige Zahlen sind.</translation>
    </message>
    <message>
        <source>Please make sure that your maximum ranges are larger than your minimum ranges.</source>
        <translation>Bitte stellen Sie sicher, dass Ihre Maximalwerte größer als Ihre Minimalwerte sind.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Save?</source>
        <translation>Quorvanta  -  Speichern?</translation>
    </message>
    <message>
        <source>Would you like to save your data before opening another file?</source>
        <translation>Möchten Sie Ihre Daten speichern, bevor Sie eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>Quorvanta  -  Open</source>
        <translation>Quorvanta  -  Öffnen</translation>
    </message>
    <message>
        <source>Quorvanta  -  Save</source>
        <translation>Quorvanta  -  Speichern</translation>
    </message>
    <message>
        <source>Quorvanta  -  Change of Settings</source>
        <translation>Quorvanta  -  Änderung der Einstellungen</translation>
    </message>
    <message>
        <source>Quorvanta  -  Invalid Input!</source>
        <translation>Quorvanta  -  Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>Creating an initialize file will allow Quorvanta to refer to a complete collection of settings and/or data upon startup.  Press OK to create an initialize file from the current conditions of Quorvanta.</source>
        <translation>Mit einer Initialisierungsdatei kann Quorvanta beim Start auf eine vollständige Sammlung von Einstellungen und/oder Daten zurückgreifen.  Drücken Sie OK, um eine Initialisierungsdatei aus dem aktuellen Zustand von Quorvanta zu erstellen.</translation>
    </message>
    <message>
        <source>Setting the default ranges for your graphing window will cause Quorvanta to refer to those values every time the &quot;Set to default&quot; button is pressed.  Changes are unique to this file only.

Click OK to use your current range values as your new default settings.</source>
        <translation>Wenn Sie die Standardbereiche für Ihr Zeichenfenster festlegen, verwendet Quorvanta diese Werte jedes Mal, wenn die Schaltfläche &quot;Zurücksetzen&quot; gedrückt wird.  Die Änderungen gelten nur für diese Datei.

Klicken Sie auf OK, um Ihre aktuellen Bereichswerte als neue Standardeinstellungen zu verwenden.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Too many tick marks!</source>
        <translation>Quorvanta  -  Zu viele Skalenstriche!</translation>
    </message>
    <message>
        <source>The %1 tick scale is not large enough!  Quorvanta will restart the plot using your current %1 tick scale multiplied by 10.</source>
        <translation>Die Skalenteilung %1 ist nicht groß genug!  Quorvanta beginnt das Zeichnen neu mit Ihrer aktuellen Skalenteilung %1 multipliziert mit 10.</translation>
    </message>
    <message>
        <source>Quorvanta  -  Oversized parameter!</source>
        <translation>Quorvanta  -  Parameter zu groß!</translation>
    </message>
    <message>
        <source>Desired size of moving average is too high for the current number of data points!</source>
        <translation>Die gewünschte Größe des gleitenden Mittelwerts ist zu hoch für die aktuelle Anzahl an Datenpunkten!</translation>
    </message>
    <message>
        <source>Desired number of neighbors is too high for current number of data points!</source>
        <translation>Die gewünschte Anzahl an Nachbarn ist zu hoch für die aktuelle Anzahl an Datenpunkten!</translation>
    </message>
    <message>
        <source>z min and z max are empty</source>
        <translation>z min und z max sind leer</translation>
    </message>
    <message>
        <source>z min is empty</source>
        <translation>z min ist leer</translation>
    </message>
    <message>
        <source>z max is empty</source>
        <translation>z max ist leer</translation>
    </message>
    <message>
        <source>z max is not greater than z min</source>
        <translation>z max ist nicht größer als z min</translation>
    </message>
    <message>
        <source>%1: %2 at every sample</source>
        <translation>%1: %2 an jedem Abtastpunkt</translation>
    </message>
    <message>
        <source>Drawing stopped at curve %1 of %2</source>
        <translation>Zeichnen bei Kurve %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Function list entry %1</source>
        <translation>Eintrag %1 der Funktionsliste</translation>
    </message>
    <message>
        <source>Enter number here!</source>
        <translation>Zahl hier eingeben!</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>view: x from %1 to %2, y from %3 to %4</source>
        <translation>Ansicht: x von %1 bis %2, y von %3 bis %4</translation>
    </message>
    <message>
        <source>found point: z = %1, th = %2, r = %3</source>
        <translation>gefundener Punkt: z = %1, th = %2, r = %3</translation>
    </message>
    <message>
        <source>found point: z = %1, x = %2, y = %3</source>
        <translation>gefundener Punkt: z = %1, x = %2, y = %3</translation>
    </message>
    <message>
        <source>expected True or False (%1), found %2</source>
        <translation>erwartet True oder False (%1), gefunden %2</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2 (%3), found %4</source>
        <translation>erwartet eine ganze Zahl von %1 bis %2 (%3), gefunden %4</translation>
    </message>
    <message>
        <source>expected a number (%1), found %2</source>
        <translation>erwartet eine Zahl (%1), gefunden %2</translation>
    </message>
    <message>
        <source>the line %1 that ends %2</source>
        <translation>die Zeile %1, die %2 abschließt</translation>
    </message>
    <message>
        <source>the file goes on after its last line: found %1</source>
        <translation>die Datei geht nach ihrer letzten Zeile weiter: gefunden %1</translation>
    </message>
    <message>
        <source>%1 is longer than %2 lines, more than the program keeps</source>
        <translation>%1 ist länger als %2 Zeilen, mehr als das Programm aufnimmt</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB, more than the program keeps</source>
        <translation>%1 ist größer als %2 MiB, mehr als das Programm aufnimmt</translation>
    </message>
    <message>
        <source>the file ends here; expected %1</source>
        <translation>die Datei endet hier; erwartet %1</translation>
    </message>
    <message>
        <source>the first line</source>
        <translation>die erste Zeile</translation>
    </message>
    <message>
        <source>a default range</source>
        <translation>ein Standardbereich</translation>
    </message>
    <message>
        <source>a colour</source>
        <translation>eine Farbe</translation>
    </message>
    <message>
        <source>the line width</source>
        <translation>die Linienstärke</translation>
    </message>
    <message>
        <source>the tick number switch</source>
        <translation>der Schalter für die Skalenzahlen</translation>
    </message>
    <message>
        <source>the grid switch</source>
        <translation>der Schalter für das Gitter</translation>
    </message>
    <message>
        <source>the mouse coordinate switch</source>
        <translation>der Schalter für die Mauskoordinaten</translation>
    </message>
    <message>
        <source>a menu check</source>
        <translation>ein Menühäkchen</translation>
    </message>
    <message>
        <source>a check box</source>
        <translation>ein Kontrollkästchen</translation>
    </message>
    <message>
        <source>a data column choice</source>
        <translation>eine Wahl der Datenspalte</translation>
    </message>
    <message>
        <source>a range box</source>
        <translation>ein Bereichsfeld</translation>
    </message>
    <message>
        <source>the &quot;Go to z =&quot; box</source>
        <translation>das Feld &quot;Gehe zu z =&quot;</translation>
    </message>
    <message>
        <source>z min</source>
        <translation>z min</translation>
    </message>
    <message>
        <source>z max</source>
        <translation>z max</translation>
    </message>
    <message>
        <source>x(z)</source>
        <translation>x(z)</translation>
    </message>
    <message>
        <source>y(z)</source>
        <translation>y(z)</translation>
    </message>
    <message>
        <source>A min</source>
        <translation>A min</translation>
    </message>
    <message>
        <source>A max</source>
        <translation>A max</translation>
    </message>
    <message>
        <source>the &quot;Cartesian&quot; choice</source>
        <translation>die Wahl &quot;Kartesisch&quot;</translation>
    </message>
    <message>
        <source>the &quot;Polar&quot; choice</source>
        <translation>die Wahl &quot;Polar&quot;</translation>
    </message>
    <message>
        <source>the calculator&apos;s entry</source>
        <translation>die Eingabe des Rechners</translation>
    </message>
    <message>
        <source>a variable value</source>
        <translation>ein Variablenwert</translation>
    </message>
    <message>
        <source>the &quot;Calculate from history box&quot; check box</source>
        <translation>das Kontrollkästchen &quot;Aus dem Verlaufsfeld berechnen&quot;</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>the history</source>
        <translation>der Verlauf</translation>
    </message>
    <message>
        <source>the number of user equations</source>
        <translation>die Anzahl eigener Gleichungen</translation>
    </message>
    <message>
        <source>a field of a user equation</source>
        <translation>ein Feld einer eigenen Gleichung</translation>
    </message>
    <message>
        <source>the number of data items</source>
        <translation>die Anzahl der Dateneinträge</translation>
    </message>
    <message>
        <source>data items</source>
        <translation>Dateneinträge</translation>
    </message>
    <message>
        <source>the number of function list items</source>
        <translation>die Anzahl der Einträge der Funktionsliste</translation>
    </message>
    <message>
        <source>function list items</source>
        <translation>Einträge der Funktionsliste</translation>
    </message>
    <message>
        <source>the x tick scale</source>
        <translation>die Skalenteilung x</translation>
    </message>
    <message>
        <source>the y tick scale</source>
        <translation>die Skalenteilung y</translation>
    </message>
    <message>
        <source>a fit type choice</source>
        <translation>eine Wahl der Anpassungsart</translation>
    </message>
    <message>
        <source>the data entry</source>
        <translation>die Dateneingabe</translation>
    </message>
    <message>
        <source>the function entry</source>
        <translation>die Funktionseingabe</translation>
    </message>
    <message>
        <source>the moving average size</source>
        <translation>die Größe des gleitenden Mittelwerts</translation>
    </message>
    <message>
        <source>the number of neighbours</source>
        <translation>die Anzahl der Nachbarn</translation>
    </message>
    <message>
        <source>the &quot;Moving Avg.&quot; check box</source>
        <translation>das Kontrollkästchen &quot;Gleit. Mittel&quot;</translation>
    </message>
    <message>
        <source>the &quot;Smooth&quot; check box</source>
        <translation>das Kontrollkästchen &quot;Glätten&quot;</translation>
    </message>
    <message>
        <source>the statistics result</source>
        <translation>das Statistikergebnis</translation>
    </message>
    <message>
        <source>a box of the integral</source>
        <translation>ein Feld des Integrals</translation>
    </message>
    <message>
        <source>the multiples-of-pi switch</source>
        <translation>der Schalter für Vielfache von pi</translation>
    </message>
    <message>
        <source>the last answer</source>
        <translation>das letzte Ergebnis</translation>
    </message>
    <message>
        <source>a vector box</source>
        <translation>ein Vektorfeld</translation>
    </message>
    <message>
        <source>a vector list choice</source>
        <translation>eine Wahl in einer Vektorliste</translation>
    </message>
    <message>
        <source>the integral check</source>
        <translation>das Häkchen des Integrals</translation>
    </message>
    <message>
        <source>a mode check</source>
        <translation>ein Modushäkchen</translation>
    </message>
    <message>
        <source>the calculator history</source>
        <translation>der Rechnerverlauf</translation>
    </message>
    <message>
        <source>%1 is longer than %2 lines, more than a graph file keeps</source>
        <translation>%1 ist länger als %2 Zeilen, mehr als eine Grafikdatei aufnimmt</translation>
    </message>
    <message>
        <source>%1 is longer than %2 MiB, more than a graph file keeps</source>
        <translation>%1 ist größer als %2 MiB, mehr als eine Grafikdatei aufnimmt</translation>
    </message>
    <message>
        <source>The file is too large to be a graph file.</source>
        <translation>Die Datei ist zu groß für eine Grafikdatei.</translation>
    </message>
    <message>
        <source>the file holds binary data, not text</source>
        <translation>die Datei enthält Binärdaten, keinen Text</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>note: %1 is not defined and reads as 0</source>
        <translation>Hinweis: %1 ist nicht definiert und gilt als 0</translation>
    </message>
    <message>
        <source>note: %1 are not defined and read as 0</source>
        <translation>Hinweis: %1 sind nicht definiert und gelten als 0</translation>
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
    <message>
        <source>Vectors</source>
        <translation>Vektoren</translation>
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
