#include "app/admin/demo_data.h"

#include <array>

namespace kv::admin::demo {
namespace {

constexpr Teacher kTeachers[] = {
    {11, u"GONZÁLEZ, María Inés", 20345678, {14, 3, 1968}},
    {12, u"FERNÁNDEZ, Jorge Ramón", 22456789, {2, 11, 1971}},
    {13, u"PEÑA, Ana Lucía", 27890123, {25, 7, 1979}},
    {14, u"IBÁÑEZ, Rubén Darío", 25678901, {30, 9, 1976}},
};

constexpr Course kCourses[] = {
    {21, 2, u"A", u"Primer Ciclo", u"Mañana", 26, 49100000, -1},
    {41, 4, u"A", u"Segundo Ciclo", u"Mañana", 31, 47600000, 6},
    {62, 6, u"B", u"Segundo Ciclo", u"Tarde", 28, 46200000, 11},
};

constexpr Subject kSubjects[] = {
    {101, 1, u"Matemática", 0, 1, 600},
    {102, 2, u"Prácticas del Lenguaje", 0, 1, 600},
    {103, 3, u"Ciencias Naturales", 0, 1, 300},
    {104, 1, u"Matemática", 1, 2, 600},
    {105, 2, u"Ciencias Sociales", 1, 2, 300},
    {106, 3, u"Educación Artística", 2, 0, 200},
    {107, 1, u"Prácticas del Lenguaje", 3, 0, 600},
    {108, 2, u"Matemática", 3, 0, 600},
};

constexpr Content kContents[] = {
    {101, u"Números naturales hasta el 10.000: lectura, escritura y orden",
        u"Leer, escribir y ordenar números de hasta cinco cifras, reconociendo el valor de cada cifra según "
        u"su posición."},
    {101, u"Multiplicación y división con números naturales",
        u"Resolver problemas de multiplicación y división eligiendo entre cálculo mental, estimativo y "
        u"escrito."},
    {101, u"Fracciones de uso frecuente: medios, cuartos y octavos",
        u"Usar fracciones para expresar partes de un entero en situaciones de reparto y medida. Comparar "
        u"fracciones sencillas."},
    {101, u"Figuras geométricas: cuadriláteros y triángulos",
        u"Reconocer y construir figuras a partir de sus lados y ángulos, usando regla, escuadra y compás."},
    {101, u"Medidas de longitud, peso y capacidad",
        u"Estimar y medir con unidades convencionales y establecer equivalencias entre metro, centímetro y "
        u"milímetro."},
    {101, u"Sistema monetario: problemas con precios y vueltos",
        u"Calcular precios, vueltos y totales de compras con billetes y monedas en uso."},

    {102, u"Lectura de cuentos y leyendas tradicionales",
        u"Leer con fluidez textos narrativos, reconocer personajes, lugares y secuencia de los hechos, y "
        u"comentar lo leído."},
    {102, u"Escritura de textos narrativos",
        u"Planificar, escribir y revisar un relato breve respetando el orden de los hechos y usando "
        u"conectores temporales."},
    {102, u"Ortografía: mayúsculas, signos de puntuación y tildes",
        u"Revisar los propios escritos atendiendo al uso de mayúsculas, punto, coma y tildes en palabras "
        u"de uso frecuente."},
    {102, u"Exposición oral sobre un tema de estudio",
        u"Preparar y presentar ante el grupo una exposición breve con apoyo de láminas o esquemas."},
    {102, u"El diccionario: orden alfabético y acepciones",
        u"Buscar palabras en el diccionario y elegir la acepción que corresponde al texto leído."},

    {104, u"Números decimales: lectura, escritura y operaciones",
        u"Leer, escribir, comparar y operar con expresiones decimales en contextos de dinero y medida."},
    {104, u"Proporcionalidad directa y porcentaje",
        u"Resolver problemas de proporcionalidad directa con tablas y calcular porcentajes sencillos (10%, "
        u"25%, 50%)."},
    {104, u"Divisibilidad: múltiplos, divisores y números primos",
        u"Usar múltiplos y divisores para resolver problemas, y reconocer números primos y compuestos."},
    {104, u"Ángulos y triángulos: clasificación y construcción",
        u"Medir y construir ángulos con transportador; clasificar triángulos según sus lados y ángulos."},
    {104, u"Perímetro y área de figuras",
        u"Calcular perímetros y áreas de rectángulos y triángulos, distinguiendo ambas magnitudes."},

    {106, u"El color: primarios, secundarios y mezclas",
        u"Explorar mezclas de colores con témperas y nombrar los colores obtenidos."},
    {106, u"Canciones del repertorio infantil y folclórico",
        u"Cantar en grupo canciones infantiles y folclóricas, respetando el pulso y la entrada."},
    {106, u"Texturas en el plano: collage con materiales diversos",
        u"Componer un collage combinando papeles, telas y semillas, y describir las texturas usadas."},
    {106, u"Juegos teatrales y expresión corporal",
        u"Participar en juegos dramáticos representando personajes con el cuerpo y la voz."},
};

constexpr QStringView kSurnames[] = {u"Muñoz", u"Núñez", u"Peña", u"Ibáñez", u"Gómez", u"Martínez",
    u"Rodríguez", u"López", u"Díaz", u"Pérez", u"Sánchez", u"Romero", u"Álvarez", u"Benítez", u"Acuña",
    u"Castro", u"Domínguez", u"Sosa", u"Ruiz", u"Giménez", u"Vázquez", u"Herrera", u"Medina", u"Aguirre",
    u"Cabrera", u"Ríos", u"Godoy", u"Ortiz", u"Ledesma", u"Quiroga", u"Villalba", u"Ojeda", u"Maldonado",
    u"Suárez", u"Carrizo", u"Ramírez", u"Molina", u"Córdoba", u"Farías", u"Luna", u"Paz", u"Toledo", u"Miño",
    u"Arregui", u"Bustos", u"Zalazar", u"Montaña", u"Ferreyra"};
constexpr int kSurnameCount = static_cast<int>(std::size(kSurnames));

constexpr QStringView kGirls[]
    = {u"Sofía", u"Lucía", u"Valentina", u"Martina", u"Catalina", u"Julieta", u"Milagros", u"Camila",
        u"Florencia", u"Agustina", u"Abril", u"Zoe", u"Emilia", u"Mía", u"Renata", u"Victoria", u"Candela",
        u"Josefina", u"Belén", u"Guadalupe", u"Rocío", u"Malena", u"Ludmila", u"María de los Ángeles"};
constexpr QStringView kBoys[]
    = {u"Agustín", u"Martín", u"Ramón", u"Iñaki", u"Mateo", u"Santiago", u"Benjamín", u"Tomás", u"Joaquín",
        u"Thiago", u"Bautista", u"Lautaro", u"Facundo", u"Nicolás", u"Valentín", u"Julián", u"Lucas",
        u"Francisco", u"Máximo", u"Bruno", u"Gael", u"Simón", u"Ignacio", u"Juan Cruz"};
constexpr int kGivenCount = static_cast<int>(std::size(kGirls));
static_assert(std::size(kBoys) == std::size(kGirls));

constexpr int kFirstLegajo = 1401;
constexpr std::int32_t kDniStep = 24317; // more than 1000, so the added noise keeps them apart

// Scrambles a number; the demo's only source of variety.
std::uint32_t scramble(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

std::uint32_t scramble(std::int32_t a, std::int32_t b)
{
    return scramble(static_cast<std::uint32_t>(a) * 7919U + static_cast<std::uint32_t>(b));
}

// The e-mail address a family would give: the surname without accents.
QString familyEmail(QStringView surname, std::int32_t legajo)
{
    QString plain;
    for (const QChar c : surname.toString().normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 0x80) {
            plain += c.toLower();
        }
    }
    return QStringLiteral("flia.%1%2@gmail.com").arg(plain).arg(legajo % 1000);
}

QString upper(QStringView text)
{
    return text.toString().toUpper();
}

} // namespace

std::span<const Teacher> teachers()
{
    return kTeachers;
}
std::span<const Course> courses()
{
    return kCourses;
}
std::span<const Subject> subjects()
{
    return kSubjects;
}
std::span<const Content> contents()
{
    return kContents;
}

QStringView sexText(bool female)
{
    return female ? u"Femenino" : u"Masculino";
}

std::vector<Student> students()
{
    std::vector<Student> roll;
    std::int32_t legajo = kFirstLegajo;
    for (int c = 0; c < static_cast<int>(std::size(kCourses)); ++c) {
        const Course& course = kCourses[c];
        for (int i = 0; i < course.size; ++i, ++legajo) {
            const std::uint32_t noise = scramble(course.code, i);
            // The stride 17 is prime to the number of surnames: no two students
            // of a course share a surname, so every name in a course is different.
            const int surname = (i * 17 + c * 11) % kSurnameCount;
            const int given = (i * 5 + c * 7) % kGivenCount;
            const bool female = (noise & 1U) != 0;
            const auto& names = female ? kGirls : kBoys;

            QString name = upper(kSurnames[surname]);
            if (i % 9 == 4) {
                name += u' ';
                name += upper(kSurnames[(surname + 20) % kSurnameCount]);
            }
            name += u", ";
            name += names[given];
            if (i % 4 == 1) {
                name += u' ';
                name += names[(given + 9) % kGivenCount];
            }
            const auto dni = course.firstDni + i * kDniStep + static_cast<std::int32_t>((noise >> 8) % 1000U);
            roll.push_back(
                {legajo, name, dni, female, i % 3 == 0 ? familyEmail(kSurnames[surname], legajo) : QString(),
                    c, i == course.individualPlanPupil});
        }
    }
    return roll;
}

GradeMarks gradeMarks(std::int32_t legajo, std::int32_t subject)
{
    // Best to worst; the sum of two draws makes the middle marks the common ones.
    static constexpr std::array<QStringView, 9> kScale
        = {u"E", u"MB", u"MB", u"B", u"B", u"B", u"S", u"S", u"R"};
    const std::uint32_t h = scramble(legajo, subject);
    const auto mark = [&](std::uint32_t salt) {
        const std::uint32_t ability = scramble(static_cast<std::uint32_t>(legajo)) % 5U;
        return kScale[ability + scramble(h + salt) % 5U].toString();
    };
    GradeMarks m;
    if (h % 100U < 85U) {
        m.firstStage = mark(1);
        if ((h / 100U) % 100U < 45U) {
            m.secondStage = mark(2);
            if ((h / 10000U) % 100U < 25U) {
                m.year = mark(3);
            }
        }
    }
    if ((h >> 20) % 10U < 4U) {
        m.justifiedAbsences = 50 * static_cast<std::int64_t>((h >> 12) % 7U);
        m.unjustifiedAbsences = 50 * static_cast<std::int64_t>((h >> 16) % 4U);
    }
    return m;
}

Progress progress(const Student& student, std::int16_t contentOrder, int contentIndexInSubject)
{
    if (contentIndexInSubject >= 3) {
        return Progress::NotAssessed;
    }
    if (student.individualPlan) {
        return Progress::IndividualPlan;
    }
    const std::uint32_t h = scramble(student.legajo, contentOrder) % 10U;
    return h < 6U ? Progress::Achieved : h < 8U ? Progress::InProgress : Progress::Pending;
}

QStringView individualPlanNote()
{
    return u"Trabaja con su Proyecto Pedagógico Individual: consignas más breves, apoyo visual y "
           u"acompañamiento de la maestra integradora. Avanza a su ritmo.";
}

} // namespace kv::admin::demo
