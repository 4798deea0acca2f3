#include "calculator/formula_library.h"

#include <algorithm>
#include <cstddef>

#include "expression/user_text.h"

namespace qv {

namespace {

using L = FormulaList;

// The fixed lists, in the order they offer their entries. Every note index
// is used by exactly one entry.
constexpr Formula kFormulas[] = {
    {L::Miscellaneous, QV_TR("qv::Formulas", "Quadratic Formula (+)"), "(-B+sqrt(B^2-4AC))/(2A)", {"A", "B", "C"}, 33},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Quadratic Formula (-)"), "(-B-sqrt(B^2-4AC))/(2A)", {"A", "B", "C"}, 34},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Circumference"), "2*pi*Radius", {"Radius"}, 43},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Reg. Polygon's Perimeter"), "2*N*B*sin(pi/N)", {"N", "B"}, 44},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Hypotenuse"), "sqrt(A^2+B^2)", {"A", "B"}, 35},
    {L::Miscellaneous,
     QV_TR("qv::Formulas", "Distance Formula"),
     "sqrt((X2-X1)^2+(Y2-Y1)^2)",
     {"X1", "Y1", "X2", "Y2"},
     36},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Density"), "Mass/Volume", {"Mass", "Volume"}, 37},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Force of Gravity"), "(G*M*m)/Radius^2", {"M", "m", "Radius"}, 38},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Celsius to Fahrenheit"), "C*9/5 + 32", {"C"}, 39},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Fahrenheit to Celsius"), "(F-32)*5/9", {"F"}, 40},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Value of Initial Sum"), "P*(1+i)^n", {"P", "i", "n"}, 41},
    {L::Miscellaneous, QV_TR("qv::Formulas", "Value of Annuity"), "A*((1+i)^n - 1)/i", {"A", "i", "n"}, 42},

    {L::Area, QV_TR("qv::Formulas", "Regular Polygon"), "(N*Side^2)/(4*tan(pi/N))", {"Side", "N"}, 0},
    {L::Area, QV_TR("qv::Formulas", "Triangle"), "(1/2)*Base*Height", {"Base", "Height"}, 1},
    {L::Area, QV_TR("qv::Formulas", "Triangle (2)"), "(1/2)*A*B*sin(Degrees*(pi/180))", {"A", "B", "Degrees"}, 2},
    {L::Area, QV_TR("qv::Formulas", "Square"), "Side^2", {"Side"}, 3},
    {L::Area, QV_TR("qv::Formulas", "Rectangle"), "Length*Width", {"Length", "Width"}, 4},
    {L::Area, QV_TR("qv::Formulas", "Parallelogram"), "Base*Height", {"Base", "Height"}, 5},
    {L::Area, QV_TR("qv::Formulas", "Parallelogram (2)"), "A*B*sin(Degrees*(pi/180))", {"A", "B", "Degrees"}, 6},
    {L::Area, QV_TR("qv::Formulas", "Rhombus"), "(1/2)*A*B", {"A", "B"}, 7},
    {L::Area,
     QV_TR("qv::Formulas", "Rhombus (2)"),
     "2*Side*cos(Degrees*(pi/180)/2)*Side*sin(Degrees*(pi/180)/2)",
     {"Side", "Degrees"},
     8},
    {L::Area, QV_TR("qv::Formulas", "Trapezoid"), "(1/2)*(A+B)*Height", {"A", "B", "Height"}, 9},
    {L::Area, QV_TR("qv::Formulas", "Circle"), "pi*Radius^2", {"Radius"}, 10},
    {L::Area, QV_TR("qv::Formulas", "Circular Sector"), "(1/2)*Radius^2*Degrees*(pi/180)", {"Radius", "Degrees"}, 11},
    {L::Area, QV_TR("qv::Formulas", "Ellipse"), "A*B*pi", {"A", "B"}, 12},
    {L::Area, QV_TR("qv::Formulas", "Surface Cube"), "6*Side^2", {"Side"}, 13},
    {L::Area, QV_TR("qv::Formulas", "Surface Sphere"), "4*pi*Radius^2", {"Radius"}, 14},
    {L::Area, QV_TR("qv::Formulas", "Surface Cylinder"), "2*pi*Radius^2+2*pi*Radius*Height", {"Radius", "Height"}, 15},
    {L::Area,
     QV_TR("qv::Formulas", "Surface Right Cone"),
     "pi*Radius*(sqrt(Radius^2+Height^2)+Radius)",
     {"Radius", "Height"},
     16},
    {L::Area, QV_TR("qv::Formulas", "Surf. Reg. Tetrahedron"), "sqrt(3)*Side^2", {"Side"}, 17},
    {L::Area, QV_TR("qv::Formulas", "Surf. Reg. Octahedron"), "2*sqrt(3)*Side^2", {"Side"}, 18},
    {L::Area, QV_TR("qv::Formulas", "Surf. Reg. Icosahedron"), "5*sqrt(3)*Side^2", {"Side"}, 19},
    {L::Area, QV_TR("qv::Formulas", "Surf. Reg. Dodecahedron"), "3*sqrt(5*(5+2*sqrt(5)))*Side^2", {"Side"}, 20},

    {L::Volume, QV_TR("qv::Formulas", "Cube"), "Side^3", {"Side"}, 21},
    {L::Volume, QV_TR("qv::Formulas", "Rectangular Prism"), "Length*Width*Height", {"Length", "Width", "Height"}, 22},
    {L::Volume, QV_TR("qv::Formulas", "General Prism"), "BaseArea*Height", {"BaseArea", "Height"}, 23},
    {L::Volume, QV_TR("qv::Formulas", "Cylinder"), "pi*Radius^2*Height", {"Radius", "Height"}, 24},
    {L::Volume, QV_TR("qv::Formulas", "Sphere"), "(4/3)*pi*Radius^3", {"Radius"}, 25},
    {L::Volume, QV_TR("qv::Formulas", "Ellipsoid"), "(4/3)*pi*A*B*C", {"A", "B", "C"}, 26},
    {L::Volume, QV_TR("qv::Formulas", "Pyramid"), "(1/3)*BaseArea*Height", {"BaseArea", "Height"}, 27},
    {L::Volume, QV_TR("qv::Formulas", "Cone"), "(1/3)*pi*Radius^2*Height", {"Radius", "Height"}, 28},
    {L::Volume, QV_TR("qv::Formulas", "Regular Tetrahedron"), "(sqrt(2)/12)*Side^3", {"Side"}, 29},
    {L::Volume, QV_TR("qv::Formulas", "Regular Octahedron"), "sqrt(2)*Side^3/3", {"Side"}, 30},
    {L::Volume, QV_TR("qv::Formulas", "Regular Icosahedron"), "(5/12)*(3+sqrt(5))*Side^3", {"Side"}, 31},
    {L::Volume, QV_TR("qv::Formulas", "Regular Dodecahedron"), "((15+7*sqrt(5))/4)*Side^3", {"Side"}, 32},
};

static_assert(std::size(kFormulas) == kFormulaNoteCount, "one note per entry");

// A description before it is joined: the title as the label shows it (some
// titles keep their odd spelling or a trailing blank, as users know them),
// then the definition and the variables, without their indent.
struct NoteText {
    std::string_view title;
    std::string_view definition;
    std::string_view variables;
};

// Lines that several notes share word for word.
constexpr std::string_view kTriangle =
    QV_TR("qv::Formulas", "A triangle is a closed figure with three straight sides and three angles.");
constexpr std::string_view kParallelogram =
    QV_TR("qv::Formulas",
          "A parallelogram is a four-sided figure whose opposite sides are parallel and have the same length.");
constexpr std::string_view kRhombus =
    QV_TR("qv::Formulas",
          "A rhombus is a four-sided figure whose four sides all have the same length; its opposite sides are "
          "parallel.");
constexpr std::string_view kCircleRadius =
    QV_TR("qv::Formulas", "''Radius'' is the distance from the center of the circle to any point on the circle.");
constexpr std::string_view kSphereRadius =
    QV_TR("qv::Formulas", "''Radius'' is the distance from the center of the sphere to any point on its surface.");
constexpr std::string_view kCylinderParts =
    QV_TR("qv::Formulas",
          "''Radius'' is the radius of each circular end, and ''Height'' is the distance between the two ends.");
constexpr std::string_view kQuadratic =
    QV_TR("qv::Formulas",
          "The quadratic formula gives the solutions x of a quadratic equation, ''A''x^2 + ''B''x + ''C'' = 0.");
constexpr std::string_view kTemperatureScales =
    QV_TR("qv::Formulas",
          "Celsius and Fahrenheit are two temperature scales: water freezes at 0 degrees Celsius, or 32 "
          "degrees Fahrenheit, and boils at 100 degrees Celsius, or 212 degrees Fahrenheit.");

constexpr NoteText kNotes[kFormulaNoteCount] = {
    // 0
    {QV_TR("qv::Formulas", "Area of a Regular Polygon:"),
     QV_TR("qv::Formulas",
           "A regular polygon is a closed figure whose sides all have the same length and whose angles are all "
           "equal."),
     QV_TR("qv::Formulas", "''Side'' is the length of one side of the polygon, and ''N'' is the number of its sides.")},
    {QV_TR("qv::Formulas", "Area of a Triangle:"), kTriangle,
     QV_TR("qv::Formulas",
           "''Base'' is the length of the side chosen as the base, and ''Height'' is the perpendicular distance "
           "from that side to the opposite corner.")},
    {QV_TR("qv::Formulas", "Area of a Triangle:"), kTriangle,
     QV_TR("qv::Formulas",
           "''A'' and ''B'' are the lengths of two sides of the triangle, and ''Degrees'' is the angle between "
           "them, measured in degrees.")},
    {QV_TR("qv::Formulas", "Area of a Square:"),
     QV_TR("qv::Formulas",
           "A square is a four-sided figure whose sides all have the same length and whose four angles are all "
           "right angles."),
     QV_TR("qv::Formulas", "''Side'' is the length of one side of the square.")},
    {QV_TR("qv::Formulas", "Area of a Rectangle:"),
     QV_TR("qv::Formulas",
           "A rectangle is a four-sided figure whose four angles are all right angles; its opposite sides have "
           "the same length."),
     QV_TR("qv::Formulas",
           "''Length'' and ''Width'' are the lengths of two sides of the rectangle that meet at a corner.")},
    // 5
    {QV_TR("qv::Formulas", "Area of a Parallelogram:"), kParallelogram,
     QV_TR("qv::Formulas",
           "''Base'' is the length of the side chosen as the base, and ''Height'' is the perpendicular distance "
           "between that side and the side opposite to it.")},
    {QV_TR("qv::Formulas", "Area of a Parallelogram:"), kParallelogram,
     QV_TR("qv::Formulas",
           "''A'' and ''B'' are the lengths of two sides of the parallelogram that meet at a corner, and "
           "''Degrees'' is the angle between them, measured in degrees.")},
    {QV_TR("qv::Formulas", "Area of a Rhombus:"), kRhombus,
     QV_TR("qv::Formulas",
           "''A'' and ''B'' are the lengths of the two diagonals of the rhombus, the lines that join its "
           "opposite corners.")},
    {QV_TR("qv::Formulas", "Area of a Rhombus:"), kRhombus,
     QV_TR("qv::Formulas",
           "''Side'' is the length of one side of the rhombus, and ''Degrees'' is the angle between two sides "
           "that meet at a corner, measured in degrees.")},
    {QV_TR("qv::Formulas", "Area of a Trapezoid:"),
     QV_TR("qv::Formulas",
           "A trapezoid is a four-sided figure with one pair of parallel sides, which are called its bases."),
     QV_TR("qv::Formulas",
           "''A'' and ''B'' are the lengths of the two parallel sides, and ''Height'' is the perpendicular "
           "distance between them.")},
    // 10
    {QV_TR("qv::Formulas", "Area of a Circle:"),
     QV_TR("qv::Formulas",
           "A circle is the set of all points in a plane that are the same distance from one fixed point, its "
           "center."),
     kCircleRadius},
    {QV_TR("qv::Formulas", "Area of a Circular Sector:"),
     QV_TR("qv::Formulas",
           "A circular sector is the part of a circle enclosed by two radii and the arc between them, shaped "
           "like a slice of pie."),
     QV_TR("qv::Formulas",
           "''Radius'' is the radius of the circle, and ''Degrees'' is the angle between the two radii, "
           "measured in degrees.")},
    {QV_TR("qv::Formulas", "Area of an Ellipse:"),
     QV_TR("qv::Formulas",
           "An ellipse is an oval: the set of all points in a plane whose distances from two fixed points, the "
           "foci, add up to the same total."),
     QV_TR("qv::Formulas",
           "''A'' and ''B'' are the two semi-axes: half the longest and half the shortest width of the ellipse, "
           "each measured from its center.")},
    {QV_TR("qv::Formulas", "Surface Area of a Cube:"),
     QV_TR("qv::Formulas",
           "The surface area of a cube is the total area of its six faces, which are all squares of the same "
           "size."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the cube.")},
    {QV_TR("qv::Formulas", "Surface Area of a Sphere:"),
     QV_TR("qv::Formulas",
           "The surface area of a sphere is the area of its round outer surface, every point of which is the "
           "same distance from the center of the sphere."),
     kSphereRadius},
    // 15
    {QV_TR("qv::Formulas", "Surface Area of a Cylinder:"),
     QV_TR("qv::Formulas",
           "The surface area of a cylinder is the area of its two circular ends plus the area of the curved "
           "side that joins them."),
     kCylinderParts},
    {QV_TR("qv::Formulas", "Surface Area of a Right Cone:"),
     QV_TR("qv::Formulas",
           "The surface area of a right cone is the area of its circular base plus the area of its slanted "
           "side; in a right cone the tip lies straight above the center of the base."),
     QV_TR("qv::Formulas",
           "''Radius'' is the radius of the circular base, and ''Height'' is the distance from the center of "
           "the base straight up to the tip.")},
    {QV_TR("qv::Formulas", "Surface Area of a Regular Tetrahedron:"),
     QV_TR("qv::Formulas",
           "A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same "
           "size; its surface area is the total area of those faces."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the tetrahedron.")},
    {QV_TR("qv::Formulas", "Surface Area of a Regular Octahedron:"),
     QV_TR("qv::Formulas",
           "A regular octahedron is a solid with eight faces that are all equilateral triangles of the same "
           "size; its surface area is the total area of those faces."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the octahedron.")},
    {QV_TR("qv::Formulas", "Surface Area of a Regular Icosahedron:"),
     QV_TR("qv::Formulas",
           "A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same "
           "size; its surface area is the total area of those faces."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the icosahedron.")},
    // 20
    {QV_TR("qv::Formulas", "Surface Area of a Regular Dodecahedron:"),
     QV_TR("qv::Formulas",
           "A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same "
           "size; its surface area is the total area of those faces."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the dodecahedron.")},
    {QV_TR("qv::Formulas", "Volume of a Cube:"),
     QV_TR("qv::Formulas",
           "A cube is a solid with six faces that are all squares of the same size; its volume is the amount of "
           "space it fills."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the cube.")},
    {QV_TR("qv::Formulas", "Volume of a Rectangular Prism:"),
     QV_TR("qv::Formulas",
           "A rectangular prism is a box-shaped solid with six rectangular faces that meet at right angles."),
     QV_TR("qv::Formulas",
           "''Length'', ''Width'' and ''Height'' are the lengths of the three edges that meet at one corner of "
           "the prism.")},
    {QV_TR("qv::Formulas", "Volume of a General Prism:"),
     QV_TR("qv::Formulas",
           "A prism is a solid with two identical, parallel bases joined by flat sides; its bases may be any "
           "polygon."),
     QV_TR("qv::Formulas",
           "''BaseArea'' is the area of one base, and ''Height'' is the perpendicular distance between the two "
           "bases.")},
    {QV_TR("qv::Formulas", "Volume of a Cylinder:"),
     QV_TR("qv::Formulas",
           "A cylinder is a solid with two parallel circular ends of the same size joined by a curved side."),
     kCylinderParts},
    // 25
    {QV_TR("qv::Formulas", "Volume of a Sphere:"),
     QV_TR("qv::Formulas",
           "A sphere is a perfectly round solid: every point of its surface is the same distance from its "
           "center."),
     kSphereRadius},
    {QV_TR("qv::Formulas", "Volume of an Ellipsoid:"),
     QV_TR("qv::Formulas",
           "An ellipsoid is a solid shaped like a stretched or squashed sphere; every flat cut through it is an "
           "ellipse or a circle."),
     QV_TR("qv::Formulas",
           "''A'', ''B'' and ''C'' are the three semi-axes: the distances from the center to the surface along "
           "three directions at right angles to each other.")},
    {QV_TR("qv::Formulas", "Volume of a Pyramid:"),
     QV_TR("qv::Formulas",
           "A pyramid is a solid with a flat base and triangular sides that meet at one point, its apex; the "
           "base may be any polygon."),
     QV_TR("qv::Formulas",
           "''BaseArea'' is the area of the base, and ''Height'' is the perpendicular distance from the base to "
           "the apex.")},
    {QV_TR("qv::Formulas", "Volume of a Cone: "),
     QV_TR("qv::Formulas",
           "A cone is a solid with a circular base and a curved side that narrows to one point, its tip."),
     QV_TR("qv::Formulas",
           "''Radius'' is the radius of the circular base, and ''Height'' is the perpendicular distance from "
           "the base to the tip.")},
    {QV_TR("qv::Formulas", "Volume of a Regular Tetrahedron:"),
     QV_TR("qv::Formulas",
           "A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same "
           "size."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the tetrahedron.")},
    // 30
    {QV_TR("qv::Formulas", "Volume of a Regular Octahedron:"),
     QV_TR("qv::Formulas",
           "A regular octahedron is a solid with eight faces that are all equilateral triangles of the same "
           "size."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the octahedron.")},
    {QV_TR("qv::Formulas", "Volume of a Regular Icosahedron:"),
     QV_TR("qv::Formulas",
           "A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same "
           "size."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the icosahedron.")},
    {QV_TR("qv::Formulas", "Volume of a Regular Dodecahedron:"),
     QV_TR("qv::Formulas",
           "A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same size."),
     QV_TR("qv::Formulas", "''Side'' is the length of one edge of the dodecahedron.")},
    {QV_TR("qv::Formulas", "Quadratic Formula (+):"), kQuadratic,
     QV_TR("qv::Formulas",
           "''A'' is the number multiplying x^2 (it must not be 0), ''B'' the number multiplying x, and ''C'' "
           "the number standing alone.  This equation solves for the greater of the two solutions that may be "
           "found.")},
    {QV_TR("qv::Formulas", "Quadratic Formula (-):"), kQuadratic,
     QV_TR("qv::Formulas",
           "''A'' is the number multiplying x^2 (it must not be 0), ''B'' the number multiplying x, and ''C'' "
           "the number standing alone.  This equation solves for the lesser of the two solutions that may be "
           "found.")},
    // 35
    {QV_TR("qv::Formulas", "Finding the length of the Hypoenuse of a Right Triangle:"),
     QV_TR("qv::Formulas",
           "The hypotenuse of a right triangle is the side that is opposite to the right angle of that triangle."),
     QV_TR("qv::Formulas", "''A'' and ''B'' refer to the lengths of the two legs of the triangle.")},
    {QV_TR("qv::Formulas", "Distance Formula:"),
     QV_TR("qv::Formulas",
           "The distance formula gives the length of the straight line segment between two points of a plane."),
     QV_TR("qv::Formulas",
           "''X1'' and ''Y1'' are the x and y coordinates of the first point, ''X2'' and ''Y2'' those of the "
           "second point.")},
    {QV_TR("qv::Formulas", "Finding Density:"),
     QV_TR("qv::Formulas",
           "The density of an object is its mass per unit of volume: how much matter is packed into each unit "
           "of space."),
     QV_TR("qv::Formulas",
           "''Mass'' is the mass of the object and ''Volume'' the space it takes up; the density comes out in "
           "units of mass per unit of volume, such as grams per cubic centimeter.")},
    {QV_TR("qv::Formulas", "The Force of Gravity:"),
     QV_TR("qv::Formulas",
           "The force of gravity is the pull between two masses; it grows with the masses and weakens with the "
           "square of the distance between them."),
     QV_TR("qv::Formulas",
           "''M'' and ''m'' are the masses of the two objects in kilograms, and ''Radius'' is the distance "
           "between their centers in meters; the force comes out in newtons.  ''G'' is the gravitational "
           "constant (already defined).")},
    {QV_TR("qv::Formulas", "Converting Celsius Degrees to Fahrenheit Degrees:"), kTemperatureScales,
     QV_TR("qv::Formulas",
           "''C'' is the temperature in degrees Celsius; the answer is the same temperature in degrees "
           "Fahrenheit.")},
    // 40
    {QV_TR("qv::Formulas", "Converting Fahrenheit Degrees to Celsius Degrees:"), kTemperatureScales,
     QV_TR("qv::Formulas",
           "''F'' is the temperature in degrees Fahrenheit; the answer is the same temperature in degrees "
           "Celsius.")},
    {QV_TR("qv::Formulas", "Finding the Present Value of an Initial Investment:"),
     QV_TR("qv::Formulas",
           "This finds what a sum invested once grows to with compound interest: the interest earned in each "
           "period is added to the sum and earns interest itself from then on."),
     QV_TR("qv::Formulas",
           "''P'' is the sum invested at the start, ''i'' is the interest rate per period as a decimal (5% is "
           "0.05), and ''n'' is the number of periods; the answer is the value of the investment after the last "
           "period.")},
    {QV_TR("qv::Formulas", "Finding the Present Value of a Periodic Investment:"),
     QV_TR("qv::Formulas",
           "An annuity is a series of equal payments invested at the end of every period; this finds what they "
           "are worth together, with compound interest, at the moment the last payment is made."),
     QV_TR("qv::Formulas",
           "''A'' is the payment made in each period, ''i'' is the interest rate per period as a decimal (5% is "
           "0.05), and ''n'' is the number of payments.")},
    {QV_TR("qv::Formulas", "Circumference of a Circle:"),
     QV_TR("qv::Formulas",
           "The circumference of a circle is the distance once around it, the length of the circle itself."),
     kCircleRadius},
    {QV_TR("qv::Formulas", "Perimeter of a Regular Polygon:"),
     QV_TR("qv::Formulas",
           "The perimeter of a regular polygon, a closed figure whose sides all have the same length and whose "
           "angles are all equal, is the total length of its sides."),
     QV_TR("qv::Formulas",
           "''N'' is the number of sides of the polygon, and ''B'' is the radius of the circle through its "
           "corners, the distance from its center to any corner.")},
};

// A note's three lines joined, each piece passed through `shown`.
template <typename Shown>
std::string joinedNote(const NoteText& n, Shown shown) {
    constexpr std::string_view kLineBreak = "\r\n";
    constexpr std::string_view kIndent = "     ";
    std::string note;
    note.append(shown(n.title)).append(kLineBreak);
    note.append(kIndent).append(shown(n.definition)).append(kLineBreak);
    note.append(kIndent).append(shown(n.variables));
    return note;
}

std::array<std::string, kFormulaNoteCount> buildNotes() {
    std::array<std::string, kFormulaNoteCount> notes;
    for (std::size_t i = 0; i < notes.size(); ++i)
        notes[i] = joinedNote(kNotes[i], [](std::string_view s) { return s; });
    return notes;
}

}  // namespace

std::string_view formulaListHeading(FormulaList list) {
    switch (list) {
    case FormulaList::Miscellaneous: return QV_TR("qv::Formulas", "Miscellaneous");
    case FormulaList::Area: return QV_TR("qv::Formulas", "Area");
    case FormulaList::Volume: return QV_TR("qv::Formulas", "Volume");
    case FormulaList::UserDefined: break;
    }
    return QV_TR("qv::Formulas", "User Defined");
}

std::span<const Formula> formulas() { return kFormulas; }

std::vector<const Formula*> formulasOf(FormulaList list) {
    std::vector<const Formula*> rows;
    for (const Formula& f : kFormulas) {
        if (f.list == list) rows.push_back(&f);
    }
    return rows;
}

const Formula* findFormula(FormulaList list, std::string_view entry) {
    const auto it = std::find_if(std::begin(kFormulas), std::end(kFormulas),
                                 [&](const Formula& f) { return f.list == list && f.entry == entry; });
    return it == std::end(kFormulas) ? nullptr : &*it;
}

const std::array<std::string, kFormulaNoteCount>& formulaNotes() {
    static const std::array<std::string, kFormulaNoteCount> notes = buildNotes();
    return notes;
}

std::string shownFormulaText(std::string_view english) {
    return userText("qv::Formulas", std::string(english).c_str());
}

std::string shownDescription(const std::string& description) {
    const std::array<std::string, kFormulaNoteCount>& notes = formulaNotes();
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == description) return joinedNote(kNotes[i], shownFormulaText);
    }
    return description;
}

FormulaFill fillOf(const Formula& f) {
    FormulaFill fill;
    for (std::size_t i = 0; i < f.names.size(); ++i) fill.names[i] = std::string(f.names[i]);
    fill.expression = std::string(f.equation);
    fill.description = formulaNotes()[static_cast<std::size_t>(f.note)];
    return fill;
}

}  // namespace qv
