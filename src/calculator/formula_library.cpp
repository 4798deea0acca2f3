#include "calculator/formula_library.h"

#include <algorithm>
#include <cstddef>

namespace qv {

namespace {

using L = FormulaList;

// The fixed lists, in the order they offer their entries. Every note index
// is used by exactly one entry.
constexpr Formula kFormulas[] = {
    {L::Miscellaneous, "Quadratic Formula (+)", "(-B+sqrt(B^2-4AC))/(2A)", {"A", "B", "C"}, 33},
    {L::Miscellaneous, "Quadratic Formula (-)", "(-B-sqrt(B^2-4AC))/(2A)", {"A", "B", "C"}, 34},
    {L::Miscellaneous, "Circumference", "2*pi*Radius", {"Radius"}, 43},
    {L::Miscellaneous, "Reg. Polygon's Perimeter", "2*N*B*sin(pi/N)", {"N", "B"}, 44},
    {L::Miscellaneous, "Hypotenuse", "sqrt(A^2+B^2)", {"A", "B"}, 35},
    {L::Miscellaneous, "Distance Formula", "sqrt((X2-X1)^2+(Y2-Y1)^2)", {"X1", "Y1", "X2", "Y2"}, 36},
    {L::Miscellaneous, "Density", "Mass/Volume", {"Mass", "Volume"}, 37},
    {L::Miscellaneous, "Force of Gravity", "(G*M*m)/Radius^2", {"M", "m", "Radius"}, 38},
    {L::Miscellaneous, "Celsius to Fahrenheit", "C*9/5 + 32", {"C"}, 39},
    {L::Miscellaneous, "Fahrenheit to Celsius", "(F-32)*5/9", {"F"}, 40},
    {L::Miscellaneous, "Value of Initial Sum", "P*(1+i)^n", {"P", "i", "n"}, 41},
    {L::Miscellaneous, "Value of Annuity", "A*((1+i)^n - 1)/i", {"A", "i", "n"}, 42},

    {L::Area, "Regular Polygon", "(N*Side^2)/(4*tan(pi/N))", {"Side", "N"}, 0},
    {L::Area, "Triangle", "(1/2)*Base*Height", {"Base", "Height"}, 1},
    {L::Area, "Triangle (2)", "(1/2)*A*B*sin(Degrees*(pi/180))", {"A", "B", "Degrees"}, 2},
    {L::Area, "Square", "Side^2", {"Side"}, 3},
    {L::Area, "Rectangle", "Length*Width", {"Length", "Width"}, 4},
    {L::Area, "Parallelogram", "Base*Height", {"Base", "Height"}, 5},
    {L::Area, "Parallelogram (2)", "A*B*sin(Degrees*(pi/180))", {"A", "B", "Degrees"}, 6},
    {L::Area, "Rhombus", "(1/2)*A*B", {"A", "B"}, 7},
    {L::Area, "Rhombus (2)", "2*Side*cos(Degrees*(pi/180)/2)*Side*sin(Degrees*(pi/180)/2)", {"Side", "Degrees"}, 8},
    {L::Area, "Trapezoid", "(1/2)*(A+B)*Height", {"A", "B", "Height"}, 9},
    {L::Area, "Circle", "pi*Radius^2", {"Radius"}, 10},
    {L::Area, "Circular Sector", "(1/2)*Radius^2*Degrees*(pi/180)", {"Radius", "Degrees"}, 11},
    {L::Area, "Ellipse", "A*B*pi", {"A", "B"}, 12},
    {L::Area, "Surface Cube", "6*Side^2", {"Side"}, 13},
    {L::Area, "Surface Sphere", "4*pi*Radius^2", {"Radius"}, 14},
    {L::Area, "Surface Cylinder", "2*pi*Radius^2+2*pi*Radius*Height", {"Radius", "Height"}, 15},
    {L::Area, "Surface Right Cone", "pi*Radius*(sqrt(Radius^2+Height^2)+Radius)", {"Radius", "Height"}, 16},
    {L::Area, "Surf. Reg. Tetrahedron", "sqrt(3)*Side^2", {"Side"}, 17},
    {L::Area, "Surf. Reg. Octahedron", "2*sqrt(3)*Side^2", {"Side"}, 18},
    {L::Area, "Surf. Reg. Icosahedron", "5*sqrt(3)*Side^2", {"Side"}, 19},
    {L::Area, "Surf. Reg. Dodecahedron", "3*sqrt(5*(5+2*sqrt(5)))*Side^2", {"Side"}, 20},

    {L::Volume, "Cube", "Side^3", {"Side"}, 21},
    {L::Volume, "Rectangular Prism", "Length*Width*Height", {"Length", "Width", "Height"}, 22},
    {L::Volume, "General Prism", "BaseArea*Height", {"BaseArea", "Height"}, 23},
    {L::Volume, "Cylinder", "pi*Radius^2*Height", {"Radius", "Height"}, 24},
    {L::Volume, "Sphere", "(4/3)*pi*Radius^3", {"Radius"}, 25},
    {L::Volume, "Ellipsoid", "(4/3)*pi*A*B*C", {"A", "B", "C"}, 26},
    {L::Volume, "Pyramid", "(1/3)*BaseArea*Height", {"BaseArea", "Height"}, 27},
    {L::Volume, "Cone", "(1/3)*pi*Radius^2*Height", {"Radius", "Height"}, 28},
    {L::Volume, "Regular Tetrahedron", "(sqrt(2)/12)*Side^3", {"Side"}, 29},
    {L::Volume, "Regular Octahedron", "sqrt(2)*Side^3/3", {"Side"}, 30},
    {L::Volume, "Regular Icosahedron", "(5/12)*(3+sqrt(5))*Side^3", {"Side"}, 31},
    {L::Volume, "Regular Dodecahedron", "((15+7*sqrt(5))/4)*Side^3", {"Side"}, 32},
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
constexpr std::string_view kTriangle = "A triangle is a closed figure with three straight sides and three angles.";
constexpr std::string_view kParallelogram =
    "A parallelogram is a four-sided figure whose opposite sides are parallel and have the same length.";
constexpr std::string_view kRhombus =
    "A rhombus is a four-sided figure whose four sides all have the same length; its opposite sides are parallel.";
constexpr std::string_view kCircleRadius =
    "''Radius'' is the distance from the center of the circle to any point on the circle.";
constexpr std::string_view kSphereRadius =
    "''Radius'' is the distance from the center of the sphere to any point on its surface.";
constexpr std::string_view kCylinderParts =
    "''Radius'' is the radius of each circular end, and ''Height'' is the distance between the two ends.";
constexpr std::string_view kQuadratic =
    "The quadratic formula gives the solutions x of a quadratic equation, ''A''x^2 + ''B''x + ''C'' = 0.";
constexpr std::string_view kTemperatureScales =
    "Celsius and Fahrenheit are two temperature scales: water freezes at 0 degrees Celsius, or 32 degrees "
    "Fahrenheit, and boils at 100 degrees Celsius, or 212 degrees Fahrenheit.";

constexpr NoteText kNotes[kFormulaNoteCount] = {
    // 0
    {"Area of a Regular Polygon:",
     "A regular polygon is a closed figure whose sides all have the same length and whose angles are all equal.",
     "''Side'' is the length of one side of the polygon, and ''N'' is the number of its sides."},
    {"Area of a Triangle:", kTriangle,
     "''Base'' is the length of the side chosen as the base, and ''Height'' is the perpendicular distance from that "
     "side to the opposite corner."},
    {"Area of a Triangle:", kTriangle,
     "''A'' and ''B'' are the lengths of two sides of the triangle, and ''Degrees'' is the angle between them, "
     "measured in degrees."},
    {"Area of a Square:",
     "A square is a four-sided figure whose sides all have the same length and whose four angles are all right "
     "angles.",
     "''Side'' is the length of one side of the square."},
    {"Area of a Rectangle:",
     "A rectangle is a four-sided figure whose four angles are all right angles; its opposite sides have the same "
     "length.",
     "''Length'' and ''Width'' are the lengths of two sides of the rectangle that meet at a corner."},
    // 5
    {"Area of a Parallelogram:", kParallelogram,
     "''Base'' is the length of the side chosen as the base, and ''Height'' is the perpendicular distance between "
     "that side and the side opposite to it."},
    {"Area of a Parallelogram:", kParallelogram,
     "''A'' and ''B'' are the lengths of two sides of the parallelogram that meet at a corner, and ''Degrees'' is "
     "the angle between them, measured in degrees."},
    {"Area of a Rhombus:", kRhombus,
     "''A'' and ''B'' are the lengths of the two diagonals of the rhombus, the lines that join its opposite "
     "corners."},
    {"Area of a Rhombus:", kRhombus,
     "''Side'' is the length of one side of the rhombus, and ''Degrees'' is the angle between two sides that meet "
     "at a corner, measured in degrees."},
    {"Area of a Trapezoid:",
     "A trapezoid is a four-sided figure with one pair of parallel sides, which are called its bases.",
     "''A'' and ''B'' are the lengths of the two parallel sides, and ''Height'' is the perpendicular distance "
     "between them."},
    // 10
    {"Area of a Circle:",
     "A circle is the set of all points in a plane that are the same distance from one fixed point, its center.",
     kCircleRadius},
    {"Area of a Circular Sector:",
     "A circular sector is the part of a circle enclosed by two radii and the arc between them, shaped like a "
     "slice of pie.",
     "''Radius'' is the radius of the circle, and ''Degrees'' is the angle between the two radii, measured in "
     "degrees."},
    {"Area of an Ellipse:",
     "An ellipse is an oval: the set of all points in a plane whose distances from two fixed points, the foci, add "
     "up to the same total.",
     "''A'' and ''B'' are the two semi-axes: half the longest and half the shortest width of the ellipse, each "
     "measured from its center."},
    {"Surface Area of a Cube:",
     "The surface area of a cube is the total area of its six faces, which are all squares of the same size.",
     "''Side'' is the length of one edge of the cube."},
    {"Surface Area of a Sphere:",
     "The surface area of a sphere is the area of its round outer surface, every point of which is the same "
     "distance from the center of the sphere.",
     kSphereRadius},
    // 15
    {"Surface Area of a Cylinder:",
     "The surface area of a cylinder is the area of its two circular ends plus the area of the curved side that "
     "joins them.",
     kCylinderParts},
    {"Surface Area of a Right Cone:",
     "The surface area of a right cone is the area of its circular base plus the area of its slanted side; in a "
     "right cone the tip lies straight above the center of the base.",
     "''Radius'' is the radius of the circular base, and ''Height'' is the distance from the center of the base "
     "straight up to the tip."},
    {"Surface Area of a Regular Tetrahedron:",
     "A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same size; its "
     "surface area is the total area of those faces.",
     "''Side'' is the length of one edge of the tetrahedron."},
    {"Surface Area of a Regular Octahedron:",
     "A regular octahedron is a solid with eight faces that are all equilateral triangles of the same size; its "
     "surface area is the total area of those faces.",
     "''Side'' is the length of one edge of the octahedron."},
    {"Surface Area of a Regular Icosahedron:",
     "A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same size; its "
     "surface area is the total area of those faces.",
     "''Side'' is the length of one edge of the icosahedron."},
    // 20
    {"Surface Area of a Regular Dodecahedron:",
     "A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same size; its "
     "surface area is the total area of those faces.",
     "''Side'' is the length of one edge of the dodecahedron."},
    {"Volume of a Cube:",
     "A cube is a solid with six faces that are all squares of the same size; its volume is the amount of space "
     "it fills.",
     "''Side'' is the length of one edge of the cube."},
    {"Volume of a Rectangular Prism:",
     "A rectangular prism is a box-shaped solid with six rectangular faces that meet at right angles.",
     "''Length'', ''Width'' and ''Height'' are the lengths of the three edges that meet at one corner of the "
     "prism."},
    {"Volume of a General Prism:",
     "A prism is a solid with two identical, parallel bases joined by flat sides; its bases may be any polygon.",
     "''BaseArea'' is the area of one base, and ''Height'' is the perpendicular distance between the two bases."},
    {"Volume of a Cylinder:",
     "A cylinder is a solid with two parallel circular ends of the same size joined by a curved side.",
     kCylinderParts},
    // 25
    {"Volume of a Sphere:",
     "A sphere is a perfectly round solid: every point of its surface is the same distance from its center.",
     kSphereRadius},
    {"Volume of an Ellipsoid:",
     "An ellipsoid is a solid shaped like a stretched or squashed sphere; every flat cut through it is an ellipse "
     "or a circle.",
     "''A'', ''B'' and ''C'' are the three semi-axes: the distances from the center to the surface along three "
     "directions at right angles to each other."},
    {"Volume of a Pyramid:",
     "A pyramid is a solid with a flat base and triangular sides that meet at one point, its apex; the base may be "
     "any polygon.",
     "''BaseArea'' is the area of the base, and ''Height'' is the perpendicular distance from the base to the "
     "apex."},
    {"Volume of a Cone: ",
     "A cone is a solid with a circular base and a curved side that narrows to one point, its tip.",
     "''Radius'' is the radius of the circular base, and ''Height'' is the perpendicular distance from the base to "
     "the tip."},
    {"Volume of a Regular Tetrahedron:",
     "A regular tetrahedron is a solid with four faces that are all equilateral triangles of the same size.",
     "''Side'' is the length of one edge of the tetrahedron."},
    // 30
    {"Volume of a Regular Octahedron:",
     "A regular octahedron is a solid with eight faces that are all equilateral triangles of the same size.",
     "''Side'' is the length of one edge of the octahedron."},
    {"Volume of a Regular Icosahedron:",
     "A regular icosahedron is a solid with twenty faces that are all equilateral triangles of the same size.",
     "''Side'' is the length of one edge of the icosahedron."},
    {"Volume of a Regular Dodecahedron:",
     "A regular dodecahedron is a solid with twelve faces that are all regular pentagons of the same size.",
     "''Side'' is the length of one edge of the dodecahedron."},
    {"Quadratic Formula (+):", kQuadratic,
     "''A'' is the number multiplying x^2 (it must not be 0), ''B'' the number multiplying x, and ''C'' the number "
     "standing alone.  This equation solves for the greater of the two solutions that may be found."},
    {"Quadratic Formula (-):", kQuadratic,
     "''A'' is the number multiplying x^2 (it must not be 0), ''B'' the number multiplying x, and ''C'' the number "
     "standing alone.  This equation solves for the lesser of the two solutions that may be found."},
    // 35
    {"Finding the length of the Hypoenuse of a Right Triangle:",
     "The hypotenuse of a right triangle is the side that is opposite to the right angle of that triangle.",
     "''A'' and ''B'' refer to the lengths of the two legs of the triangle."},
    {"Distance Formula:",
     "The distance formula gives the length of the straight line segment between two points of a plane.",
     "''X1'' and ''Y1'' are the x and y coordinates of the first point, ''X2'' and ''Y2'' those of the second "
     "point."},
    {"Finding Density:",
     "The density of an object is its mass per unit of volume: how much matter is packed into each unit of space.",
     "''Mass'' is the mass of the object and ''Volume'' the space it takes up; the density comes out in units of "
     "mass per unit of volume, such as grams per cubic centimeter."},
    {"The Force of Gravity:",
     "The force of gravity is the pull between two masses; it grows with the masses and weakens with the square of "
     "the distance between them.",
     "''M'' and ''m'' are the masses of the two objects in kilograms, and ''Radius'' is the distance between their "
     "centers in meters; the force comes out in newtons.  ''G'' is the gravitational constant (already defined)."},
    {"Converting Celsius Degrees to Fahrenheit Degrees:", kTemperatureScales,
     "''C'' is the temperature in degrees Celsius; the answer is the same temperature in degrees Fahrenheit."},
    // 40
    {"Converting Fahrenheit Degrees to Celsius Degrees:", kTemperatureScales,
     "''F'' is the temperature in degrees Fahrenheit; the answer is the same temperature in degrees Celsius."},
    {"Finding the Present Value of an Initial Investment:",
     "This finds what a sum invested once grows to with compound interest: the interest earned in each period is "
     "added to the sum and earns interest itself from then on.",
     "''P'' is the sum invested at the start, ''i'' is the interest rate per period as a decimal (5% is 0.05), and "
     "''n'' is the number of periods; the answer is the value of the investment after the last period."},
    {"Finding the Present Value of a Periodic Investment:",
     "An annuity is a series of equal payments invested at the end of every period; this finds what they are "
     "worth together, with compound interest, at the moment the last payment is made.",
     "''A'' is the payment made in each period, ''i'' is the interest rate per period as a decimal (5% is 0.05), "
     "and ''n'' is the number of payments."},
    {"Circumference of a Circle:",
     "The circumference of a circle is the distance once around it, the length of the circle itself.",
     kCircleRadius},
    {"Perimeter of a Regular Polygon:",
     "The perimeter of a regular polygon, a closed figure whose sides all have the same length and whose angles "
     "are all equal, is the total length of its sides.",
     "''N'' is the number of sides of the polygon, and ''B'' is the radius of the circle through its corners, the "
     "distance from its center to any corner."},
};

std::array<std::string, kFormulaNoteCount> buildNotes() {
    constexpr std::string_view kLineBreak = "\r\n";
    constexpr std::string_view kIndent = "     ";
    std::array<std::string, kFormulaNoteCount> notes;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const NoteText& n = kNotes[i];
        notes[i].append(n.title).append(kLineBreak);
        notes[i].append(kIndent).append(n.definition).append(kLineBreak);
        notes[i].append(kIndent).append(n.variables);
    }
    return notes;
}

}  // namespace

std::string_view formulaListHeading(FormulaList list) {
    switch (list) {
    case FormulaList::Miscellaneous: return "Miscellaneous";
    case FormulaList::Area: return "Area";
    case FormulaList::Volume: return "Volume";
    case FormulaList::UserDefined: break;
    }
    return "User Defined";
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

FormulaFill fillOf(const Formula& f) {
    FormulaFill fill;
    for (std::size_t i = 0; i < f.names.size(); ++i) fill.names[i] = std::string(f.names[i]);
    fill.expression = std::string(f.equation);
    fill.description = formulaNotes()[static_cast<std::size_t>(f.note)];
    return fill;
}

}  // namespace qv
