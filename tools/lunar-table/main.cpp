// Prints src/core/app/LunarMonthTable.h: the months of the Japanese lunisolar calendar (旧暦) from late 1999 to
// early 2070. Month starts are the JST days of the new moons, month numbers come from the principal solar terms.
// Sources: J. Meeus, "Astronomical Algorithms" 2nd ed. (ch. 22 nutation, ch. 25 Sun, ch. 49 new moon), with the
// Earth's longitude from VSOP87D (Bretagnon & Francou) truncated at 3e-8 rad.
// Build and run from the repository root:
//   g++ -std=c++20 -O2 tools/lunar-table/main.cpp -o lunar-table && ./lunar-table > src/core/app/LunarMonthTable.h
// Diagnostics (events close to JST midnight) go to stderr.

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kArcsecToRad = kDegToRad / 3600.0;
constexpr double kJ2000 = 2451545.0;

struct Term {
    double m_amplitude;
    double m_phase;
    double m_frequency;
};

struct NutationTerm {
    int m_d;
    int m_m;
    int m_mPrime;
    int m_f;
    int m_omega;
    double m_sine;
    double m_sineRate;
};

// VSOP87D, Earth, heliocentric ecliptic longitude (L) and radius (R) of date; amplitudes in rad and au.
constexpr Term kL0[] = {
    {1.753470457, 0.00000000000, 0.0000000000},           {0.03341656456, 4.66925680417, 6283.0758499914},
    {0.0003489427500, 4.62610241759, 12566.1516999828},   {0.00003417571000, 2.82886579606, 3.5231183490},
    {0.00003497056000, 2.74411800971, 5753.3848848968},   {0.00003135896000, 3.62767041758, 77713.7714681205},
    {0.00002676218000, 4.41808351397, 7860.4193924392},   {0.00002342687000, 6.13516237631, 3930.2096962196},
    {0.00001273166000, 2.03709655772, 529.6909650946},    {0.00001324292000, 0.74246356352, 11506.7697697936},
    {0.000009018550000, 2.04505443513, 26.2983197998},    {0.00001199167000, 1.10962944315, 1577.3435424478},
    {0.000008572230000, 3.50849156957, 398.1490034082},   {0.000007797860000, 1.17882652114, 5223.6939198022},
    {0.000009902500000, 5.23268129594, 5884.9268465832},  {0.000007531410000, 2.53339053818, 5507.5532386674},
    {0.000005052640000, 4.58292563052, 18849.2275499742}, {0.000004923790000, 4.20506639861, 775.5226113240},
    {0.000003566550000, 2.91954116867, 0.0673103028},     {0.000002841250000, 1.89869034186, 796.2980068164},
    {0.000002428100000, 0.34481140906, 5486.7778431750},  {0.000003170870000, 5.84901952218, 11790.6290886588},
    {0.000002710390000, 0.31488607649, 10977.0788046990}, {0.000002061600000, 4.80646606059, 2544.3144198834},
    {0.000002053850000, 1.86947813692, 5573.1428014331},  {0.000002022610000, 2.45767795458, 6069.7767545534},
    {0.000001261840000, 1.08302630210, 20.7753954924},    {0.000001555160000, 0.83306073807, 213.2990954380},
    {0.000001151320000, 0.64544911683, 0.9803210682},     {0.000001028510000, 0.63599846727, 4694.0029547076},
    {0.000001017240000, 4.26679821365, 7.1135470008},     {9.920600000e-7, 6.20992940258, 2146.1654164752},
    {0.000001322120000, 3.41118275555, 2942.4634232916},  {9.760700000e-7, 0.68101272270, 155.4203994342},
    {8.512800000e-7, 1.29870743025, 6275.9623029906},     {7.465100000e-7, 1.75508916159, 5088.6288397668},
    {0.000001018950000, 0.97569221824, 15720.8387848784}, {8.471100000e-7, 3.67080093025, 71430.6956181291},
    {7.354700000e-7, 4.67926565481, 801.8209311238},      {7.387400000e-7, 3.50319443167, 3154.6870848956},
    {7.875600000e-7, 3.03698313141, 12036.4607348882},    {7.963700000e-7, 1.80791330700, 17260.1546546904},
    {8.580300000e-7, 5.98322631256, 161000.6857376741},   {5.696300000e-7, 2.78430398043, 6286.5989683404},
    {6.114800000e-7, 1.81839811024, 7084.8967811152},     {6.962700000e-7, 0.83297596966, 9437.7629348870},
    {5.611600000e-7, 4.38694880779, 14143.4952424306},    {6.244900000e-7, 3.97763880587, 8827.3902698748},
    {5.114500000e-7, 0.28306864501, 5856.4776591154},     {5.557700000e-7, 3.47006009062, 6279.5527316424},
    {4.103600000e-7, 5.36817351402, 8429.2412664666},     {5.160500000e-7, 1.33282746983, 1748.0164130670},
    {5.199200000e-7, 0.18914945834, 12139.5535091068},    {4.900000000e-7, 0.48735065033, 1194.4470102246},
    {3.920000000e-7, 6.16832995016, 10447.3878396044},    {3.556600000e-7, 1.77597314691, 6812.7668150860},
    {3.677000000e-7, 6.04133859347, 10213.2855462110},    {3.659600000e-7, 2.56955238628, 1059.3819301892},
    {3.329100000e-7, 0.59309499459, 17789.8456197850},    {3.595400000e-7, 1.70876111898, 2352.8661537718},
    {4.093800000e-7, 2.39850881707, 19651.0484810980},    {3.004700000e-7, 2.73975123935, 1349.8674096588},
    {3.041200000e-7, 0.44294464135, 83996.8473181119},    {2.366300000e-7, 0.48473567763, 8031.0922630584},
    {2.357400000e-7, 2.06527720049, 3340.6124266998},     {2.108900000e-7, 4.14825464101, 951.7184062506},
    {2.473800000e-7, 0.21484762138, 3.5904286518},        {2.535200000e-7, 3.16470953405, 4690.4798363586},
    {2.282000000e-7, 5.22197888032, 4705.7323075436},     {2.141900000e-7, 1.42563735525, 16730.4636895958},
    {2.189100000e-7, 5.55594302562, 553.5694028424},      {1.748100000e-7, 4.56052900359, 135.0650800354},
    {1.992500000e-7, 5.22208471269, 12168.0026965746},    {1.986000000e-7, 5.77470167653, 6309.3741697912},
    {2.030000000e-7, 0.37133792946, 283.8593188652},      {1.442100000e-7, 4.19315332546, 242.7286039740},
    {1.622500000e-7, 5.98837722564, 11769.8536931664},    {1.507700000e-7, 4.19567181073, 6256.7775301916},
    {1.912400000e-7, 3.82219996949, 23581.2581773176},    {1.888800000e-7, 5.38626880969, 149854.4001348079},
    {1.434600000e-7, 3.72355084422, 38.0276726358},       {1.789800000e-7, 2.21490735647, 13367.9726311066},
    {1.205400000e-7, 2.62229588349, 955.5997416086},      {1.128700000e-7, 0.17739328092, 4164.3119896130},
    {1.397100000e-7, 4.40138139996, 6681.2248533996},     {1.362100000e-7, 1.88934471407, 7632.9432596502},
    {1.250300000e-7, 1.13052412208, 5.5229243074},        {1.049800000e-7, 5.35909518669, 1592.5960136328},
    {9.803000000e-8, 0.99947478995, 11371.7046897582},    {9.220000000e-8, 4.57138609781, 4292.3308329504},
    {1.032700000e-7, 6.19982566125, 6438.4962494256},     {1.200300000e-7, 1.00351456700, 632.7837393132},
    {1.082700000e-7, 0.32734520222, 103.0927742186},      {8.356000000e-8, 4.53902685948, 25132.3033999656},
    {1.000500000e-7, 6.02914963280, 5746.2713378960},     {8.409000000e-8, 3.29946744189, 7234.7942562420},
    {8.006000000e-8, 5.82145271907, 28.4491874678},       {1.052300000e-7, 0.93871805506, 11926.2544136688},
    {7.686000000e-8, 3.12142363172, 7238.6755916000},     {9.378000000e-8, 2.62414241032, 5760.4984318976},
    {8.127000000e-8, 6.11228001785, 4732.0306273434},     {9.232000000e-8, 0.48343968736, 522.5774180938},
    {9.802000000e-8, 5.24413991147, 27511.4678735372},    {7.871000000e-8, 0.99590177926, 5643.1785636774},
    {8.123000000e-8, 6.27053013650, 426.5981908760},      {9.048000000e-8, 5.33686335897, 6386.1686242100},
    {8.620000000e-8, 4.16538210888, 7058.5984613154},     {6.297000000e-8, 4.71724819317, 6836.6452528338},
    {7.575000000e-8, 3.97382858911, 11499.6562227928},    {7.756000000e-8, 2.95729056763, 23013.5395395872},
    {7.314000000e-8, 0.60652505806, 11513.8833167944},    {5.955000000e-8, 2.87641047971, 6283.1431602942},
    {6.534000000e-8, 5.79072926033, 18073.7049386502},    {7.188000000e-8, 3.99831508699, 74.7815985673},
    {7.346000000e-8, 4.38582365437, 316.3918696566},      {5.413000000e-8, 5.39199024641, 419.4846438752},
    {5.127000000e-8, 2.36062848786, 10973.5556863500},    {7.056000000e-8, 0.32258441903, 263.0839233728},
    {6.625000000e-8, 3.66475158672, 17298.1823273262},    {6.762000000e-8, 5.91132535899, 90955.5516944961},
    {4.938000000e-8, 5.73672165674, 9917.6968745098},     {5.547000000e-8, 2.45152597661, 12352.8526045448},
    {5.958000000e-8, 3.32051344676, 6283.0085396886},     {4.471000000e-8, 2.06385999536, 7079.3738568078},
    {6.153000000e-8, 1.45823331144, 233141.3144043615},   {4.348000000e-8, 4.42342175480, 5216.5803728014},
    {6.123000000e-8, 1.07494905258, 19804.8272915828},    {4.488000000e-8, 3.65285037150, 206.1855484372},
    {4.020000000e-8, 0.83995823171, 20.3553193988},       {5.188000000e-8, 4.06503864016, 6208.2942514241},
    {5.307000000e-8, 0.38217636096, 31441.6775697568},    {3.785000000e-8, 2.34369213733, 3.8813353580},
    {4.497000000e-8, 3.27230796845, 11015.1064773348},    {4.132000000e-8, 0.92128915753, 3738.7614301080},
    {3.521000000e-8, 5.97844807108, 3894.1818295422},     {4.215000000e-8, 1.90601120623, 245.8316462294},
    {3.701000000e-8, 5.03069397926, 536.8045120954},      {3.865000000e-8, 1.82634360607, 11856.2186514245},
    {3.652000000e-8, 1.01838584934, 16200.7727245012},    {3.390000000e-8, 0.97785123922, 8635.9420037632},
    {3.737000000e-8, 2.95380107829, 3128.3887650958},     {3.507000000e-8, 3.71291946325, 6290.1893969922},
    {3.086000000e-8, 3.64646921512, 10.6366653498},       {3.397000000e-8, 1.10590684017, 14712.3171164580},
    {3.334000000e-8, 0.83684924911, 6496.3749454294},     {3.650000000e-8, 1.08344142571, 88860.0570709867},
    {3.388000000e-8, 3.20185096055, 5120.6011455836},     {3.252000000e-8, 3.47859752062, 6133.5126528568},
    {3.520000000e-8, 2.05559692878, 244287.6000072277},   {3.161000000e-8, 1.32798718453, 10873.9860304804},
    {3.163000000e-8, 5.08946464629, 21228.3920235458},    {3.030000000e-8, 1.80209931347, 35371.8872659764},
};
constexpr Term kL1[] = {
    {6283.319667, 0.00000000000, 0.0000000000},          {0.002060588630, 2.67823455584, 6283.0758499914},
    {0.00004303430000, 2.63512650414, 12566.1516999828}, {0.000004252640000, 1.59046980729, 3.5231183490},
    {0.000001089770000, 2.96618001993, 1577.3435424478}, {9.347800000e-7, 2.59212835365, 18849.2275499742},
    {0.000001192610000, 5.79557487799, 26.2983197998},   {7.212200000e-7, 1.13846158196, 529.6909650946},
    {6.776800000e-7, 1.87472304791, 398.1490034082},     {6.732700000e-7, 4.40918235168, 5507.5532386674},
    {5.902700000e-7, 2.88797038460, 5223.6939198022},    {5.597600000e-7, 2.17471680261, 155.4203994342},
    {4.540700000e-7, 0.39803079805, 796.2980068164},     {3.636900000e-7, 0.46624739835, 775.5226113240},
    {2.895800000e-7, 2.64707383882, 7.1135470008},       {1.909700000e-7, 1.84628332577, 5486.7778431750},
    {2.084400000e-7, 5.34138275149, 0.9803210682},       {1.850800000e-7, 4.96855124577, 213.2990954380},
    {1.623300000e-7, 0.03216483047, 2544.3144198834},    {1.729300000e-7, 2.99116864949, 6275.9623029906},
    {1.583200000e-7, 1.43049285325, 2146.1654164752},    {1.461500000e-7, 1.20532366323, 10977.0788046990},
    {1.187700000e-7, 3.25804815607, 5088.6288397668},    {1.151400000e-7, 2.07502418155, 4694.0029547076},
    {9.721000000e-8, 4.23925472239, 1349.8674096588},    {9.969000000e-8, 1.30262991097, 6286.5989683404},
    {9.452000000e-8, 2.69957062864, 242.7286039740},     {1.246100000e-7, 2.83432285512, 1748.0164130670},
    {1.180800000e-7, 5.27379790480, 1194.4470102246},    {8.577000000e-8, 5.64475868067, 951.7184062506},
    {1.064100000e-7, 0.76614199202, 553.5694028424},     {7.576000000e-8, 5.30062664886, 2352.8661537718},
    {5.834000000e-8, 1.76649917904, 1059.3819301892},    {6.385000000e-8, 2.65033984967, 9437.7629348870},
    {5.223000000e-8, 5.66135767624, 71430.6956181291},   {5.305000000e-8, 0.90857521574, 3154.6870848956},
    {6.101000000e-8, 4.66632584188, 4690.4798363586},    {4.330000000e-8, 0.24102555403, 6812.7668150860},
    {5.041000000e-8, 1.42490103709, 6438.4962494256},    {4.259000000e-8, 0.77355900599, 10447.3878396044},
    {5.198000000e-8, 1.85353197345, 801.8209311238},     {3.744000000e-8, 2.00119516488, 8031.0922630584},
    {3.558000000e-8, 2.42901552681, 14143.4952424306},   {3.372000000e-8, 3.86210700128, 1592.5960136328},
    {3.374000000e-8, 0.88776219727, 12036.4607348882},   {3.175000000e-8, 3.18785710594, 4705.7323075436},
    {3.221000000e-8, 0.61599835472, 8429.2412664666},    {4.132000000e-8, 5.23992859705, 7084.8967811152},
    {3.504000000e-8, 4.79975694359, 6279.5527316424},    {3.250000000e-8, 3.39954640038, 7632.9432596502},
};
constexpr Term kL2[] = {
    {0.0005291887000, 0.00000000000, 0.0000000000},       {0.00008719837000, 1.07209665242, 6283.0758499914},
    {0.000003091250000, 0.86728818832, 12566.1516999828}, {2.733900000e-7, 0.05297871691, 3.5231183490},
    {1.633400000e-7, 5.18826691036, 26.2983197998},       {1.575200000e-7, 3.68457889430, 155.4203994342},
    {9.541000000e-8, 0.75742297675, 18849.2275499742},    {8.937000000e-8, 2.05705419118, 77713.7714681205},
    {6.952000000e-8, 0.82673305410, 775.5226113240},      {5.064000000e-8, 4.66284525271, 1577.3435424478},
    {4.061000000e-8, 1.03057162962, 7.1135470008},        {3.463000000e-8, 5.14074632811, 796.2980068164},
    {3.169000000e-8, 6.05291851171, 5507.5532386674},     {3.020000000e-8, 1.19246506441, 242.7286039740},
    {3.810000000e-8, 3.44050803490, 5573.1428014331},
};
constexpr Term kL3[] = {
    {0.000002892260000, 5.84384198723, 6283.0758499914},
    {3.495500000e-7, 0.00000000000, 0.0000000000},
    {1.681900000e-7, 5.48766912348, 12566.1516999828},
};
constexpr Term kL4[] = {
    {0.000001140840000, 3.14159265359, 0.0000000000},
    {7.717000000e-8, 4.13446589358, 6283.0758499914},
};
constexpr Term kR0[] = {
    {1.000139888, 0.00000000000, 0.0000000000},           {0.01670699626, 3.09846350771, 6283.0758499914},
    {0.0001395602300, 3.05524609620, 12566.1516999828},   {0.00003083720000, 5.19846674381, 77713.7714681205},
    {0.00001628461000, 1.17387749012, 5753.3848848968},   {0.00001575568000, 2.84685245825, 7860.4193924392},
    {0.000009247990000, 5.45292234084, 11506.7697697936}, {0.000005424440000, 4.56409149777, 3930.2096962196},
    {0.000004721100000, 3.66100022149, 5884.9268465832},  {0.000003287800000, 5.89983646482, 5223.6939198022},
    {0.000003459830000, 0.96368617687, 5507.5532386674},  {0.000003067840000, 0.29867139512, 5573.1428014331},
    {0.000001748440000, 3.01193636534, 18849.2275499742}, {0.000002431890000, 4.27349536153, 11790.6290886588},
    {0.000002118290000, 5.84714540314, 1577.3435424478},  {0.000001857520000, 5.02194447178, 10977.0788046990},
    {0.000001098350000, 5.05510636285, 5486.7778431750},
};
constexpr Term kR1[] = {
    {0.001030186080, 1.10748969588, 6283.0758499914},
    {0.00001721238000, 1.06442301418, 12566.1516999828},
    {0.000007022150000, 3.14159265359, 0.0000000000},
};
constexpr Term kR2[] = {
    {0.00004359385000, 5.78455133738, 6283.0758499914},
    {0.000001236330000, 5.57934722157, 12566.1516999828},
};
// D, M, M', F, Omega multipliers; sine amplitude and its rate per century in 0.0001"
constexpr NutationTerm kNutation[] = {
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
    {-2, 0, 2, 0, 1, 4, 0},
    {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},
    {-1, 0, 1, 0, 0, -4, 0},
    {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},
    {0, 0, 1, 2, 0, 3, 0},
    {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},
    {0, 1, 1, 0, 0, -3, 0},
    {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},
    {0, 0, 3, 2, 2, -3, 0},
};

// Measured ΔT = TT - UT (s) on 1 January of 1998, 1999, ... 2025; later years extrapolate the recent slow growth.
constexpr double kDeltaT[] = {62.97, 63.47, 63.83, 64.09, 64.30, 64.47, 64.57, 64.69, 64.85, 65.15,
                              65.46, 65.78, 66.07, 66.32, 66.60, 66.91, 67.28, 67.64, 68.10, 68.59,
                              68.97, 69.22, 69.36, 69.36, 69.29, 69.20, 69.18, 69.14};
constexpr int kDeltaTFirstYear = 1998;
constexpr double kDeltaTGrowth = 0.25; // s per year after the table

double deltaTSeconds(double jde)
{
    const double year = 2000.0 + (jde - 2451544.5) / 365.2425;
    const double x = year - kDeltaTFirstYear;
    const int last = static_cast<int>(sizeof(kDeltaT) / sizeof(kDeltaT[0])) - 1;
    if (x <= 0.0)
        return kDeltaT[0];
    if (x >= last)
        return kDeltaT[last] + kDeltaTGrowth * (x - last);
    const int i = static_cast<int>(x);
    return kDeltaT[i] + (kDeltaT[i + 1] - kDeltaT[i]) * (x - i);
}

double normalizeRadians(double a)
{
    a = std::fmod(a, 2.0 * kPi);
    return a < 0.0 ? a + 2.0 * kPi : a;
}

template <std::size_t N>
double sumSeries(const Term (&terms)[N], double tau)
{
    double sum = 0.0;
    for (const Term& t : terms)
        sum += t.m_amplitude * std::cos(t.m_phase + t.m_frequency * tau);
    return sum;
}

// Nutation in longitude (IAU 1980), radians.
double nutationInLongitude(double T)
{
    const double d = (297.85036 + 445267.111480 * T - 0.0019142 * T * T + T * T * T / 189474.0) * kDegToRad;
    const double m = (357.52772 + 35999.050340 * T - 0.0001603 * T * T - T * T * T / 300000.0) * kDegToRad;
    const double mp = (134.96298 + 477198.867398 * T + 0.0086972 * T * T + T * T * T / 56250.0) * kDegToRad;
    const double f = (93.27191 + 483202.017538 * T - 0.0036825 * T * T + T * T * T / 327270.0) * kDegToRad;
    const double om = (125.04452 - 1934.136261 * T + 0.0020708 * T * T + T * T * T / 450000.0) * kDegToRad;
    double sum = 0.0;
    for (const NutationTerm& n : kNutation) {
        const double arg = n.m_d * d + n.m_m * m + n.m_mPrime * mp + n.m_f * f + n.m_omega * om;
        sum += (n.m_sine + n.m_sineRate * T) * std::sin(arg);
    }
    return sum * 0.0001 * kArcsecToRad;
}

// Apparent geocentric longitude of the Sun (radians, 0..2pi) at a JDE.
double sunApparentLongitude(double jde)
{
    const double tau = (jde - kJ2000) / 365250.0;
    const double T = tau * 10.0;
    const double l4 = sumSeries(kL4, tau);
    const double l3 = sumSeries(kL3, tau) + tau * l4;
    const double l = sumSeries(kL0, tau) + tau * (sumSeries(kL1, tau) + tau * (sumSeries(kL2, tau) + tau * l3));
    const double r = sumSeries(kR0, tau) + tau * (sumSeries(kR1, tau) + tau * sumSeries(kR2, tau));
    const double fk5 = -0.09033 * kArcsecToRad;
    const double aberration = -20.4898 * kArcsecToRad / r;
    return normalizeRadians(l + kPi + fk5 + nutationInLongitude(T) + aberration);
}

// JDE when the Sun's apparent longitude reaches `degrees`, starting near `guess`.
double solarLongitudeTime(double degrees, double guess)
{
    double jde = guess;
    for (int i = 0; i < 50; ++i) {
        double diff = degrees * kDegToRad - sunApparentLongitude(jde);
        diff = std::remainder(diff, 2.0 * kPi);
        const double step = diff / (2.0 * kPi) * 365.2422;
        jde += step;
        if (std::fabs(step) < 1e-8)
            break;
    }
    return jde;
}

// JDE of the true new moon with lunation number k (k = 0 near 2000-01-06), Meeus ch. 49.
double newMoonTime(int k)
{
    const double T = k / 1236.85;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
    const double e = 1.0 - 0.002516 * T - 0.0000074 * T2;
    const double m = (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3) * kDegToRad;
    const double mp = (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4) * kDegToRad;
    const double f = (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4) * kDegToRad;
    const double om = (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3) * kDegToRad;
    jde += -0.40720 * std::sin(mp) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mp) + 0.01039 * std::sin(2 * f)
           + 0.00739 * e * std::sin(mp - m) - 0.00514 * e * std::sin(mp + m) + 0.00208 * e * e * std::sin(2 * m)
           - 0.00111 * std::sin(mp - 2 * f) - 0.00057 * std::sin(mp + 2 * f) + 0.00056 * e * std::sin(2 * mp + m)
           - 0.00042 * std::sin(3 * mp) + 0.00042 * e * std::sin(m + 2 * f) + 0.00038 * e * std::sin(m - 2 * f)
           - 0.00024 * e * std::sin(2 * mp - m) - 0.00017 * std::sin(om) - 0.00007 * std::sin(mp + 2 * m)
           + 0.00004 * std::sin(2 * mp - 2 * f) + 0.00004 * std::sin(3 * m) + 0.00003 * std::sin(mp + m - 2 * f)
           + 0.00003 * std::sin(2 * mp + 2 * f) - 0.00003 * std::sin(mp + m + 2 * f)
           + 0.00003 * std::sin(mp - m + 2 * f) - 0.00002 * std::sin(mp - m - 2 * f) - 0.00002 * std::sin(3 * mp + m)
           + 0.00002 * std::sin(4 * mp);
    constexpr double kPlanetary[14][3] = {
        {299.77, 0.107408, 0.000325},  {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
        {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
        {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
        {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
        {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023}};
    for (int i = 0; i < 14; ++i) {
        double arg = kPlanetary[i][0] + kPlanetary[i][1] * k;
        if (i == 0)
            arg -= 0.009173 * T2;
        jde += kPlanetary[i][2] * std::sin(arg * kDegToRad);
    }
    return jde;
}

// JST civil moment as a Julian day number of the date plus the time of day in minutes.
struct JstMoment {
    long m_day;
    double m_minutes;
};

JstMoment toJst(double jde)
{
    const double jst = jde - deltaTSeconds(jde) / 86400.0 + 9.0 / 24.0 + 0.5;
    const double day = std::floor(jst);
    return {static_cast<long>(day), (jst - day) * 1440.0};
}

long dayNumber(int y, int m, int d)
{
    const int a = (14 - m) / 12;
    const long yy = y + 4800 - a;
    const int mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

int toYyyymmdd(long jdn)
{
    const long a = jdn + 32044;
    const long b = (4 * a + 3) / 146097;
    const long c = a - 146097 * b / 4;
    const long d = (4 * c + 3) / 1461;
    const long e = c - 1461 * d / 4;
    const long m = (5 * e + 2) / 153;
    const long day = e - (153 * m + 2) / 5 + 1;
    const long month = m + 3 - 12 * (m / 10);
    const long year = 100 * b + d - 4800 + m / 10;
    return static_cast<int>(year * 10000 + month * 100 + day);
}

struct PrincipalTerm {
    JstMoment m_moment;
    int m_month; // the month number this term names: 冬至 (270°) names 11, 春分 (0°) names 2
};

struct LunarMonth {
    JstMoment m_newMoon;
    std::vector<int> m_terms; // month numbers named by the principal terms inside this month
    int m_number = 0;
    bool m_leap = false;
};

void printMoment(const char* what, const JstMoment& moment)
{
    const int minutes = static_cast<int>(std::lround(moment.m_minutes * 60.0)); // in seconds
    std::fprintf(stderr, "%s %d %02d:%02d:%02d JST\n", what, toYyyymmdd(moment.m_day), minutes / 3600,
                 minutes / 60 % 60, minutes % 60);
}

bool nearMidnight(const JstMoment& moment)
{
    return moment.m_minutes < 30.0 || moment.m_minutes > 1410.0;
}

} // namespace

int main()
{
    const long firstDay = dayNumber(1999, 11, 1);
    const long lastDay = dayNumber(2070, 2, 28);

    // Lunations and principal terms with a margin of about one year on both sides, for the winter-solstice anchors.
    std::vector<LunarMonth> months;
    for (int k = static_cast<int>(std::floor(-1.5 * 12.3685)); k <= static_cast<int>(std::ceil(71.5 * 12.3685)); ++k)
        months.push_back({toJst(newMoonTime(k)), {}, 0, false});
    std::vector<PrincipalTerm> terms;
    for (int year = 1998; year <= 2071; ++year) {
        for (int j = 0; j < 12; ++j) {
            const double guess = 2451623.8 + (year - 2000) * 365.2422 + j * 365.2422 / 12.0;
            terms.push_back({toJst(solarLongitudeTime(30.0 * j, guess)), (j + 1) % 12 + 1});
        }
    }
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        for (const PrincipalTerm& term : terms) {
            if (term.m_moment.m_day >= months[i].m_newMoon.m_day && term.m_moment.m_day < months[i + 1].m_newMoon.m_day)
                months[i].m_terms.push_back(term.m_month);
        }
    }

    // Number the months between consecutive winter-solstice months (11th months). A span of 13 months gets a leap
    // month: the first month without a principal term, named after the month before it. This reproduces the
    // traditional rules wherever every month holds at most one principal term, and gives the leap 11th month that
    // Japanese calendar makers publish for the 2033 case, where one month holds two principal terms.
    std::vector<std::size_t> anchors;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        for (int t : months[i].m_terms) {
            if (t == 11)
                anchors.push_back(i);
        }
    }
    for (std::size_t a = 0; a + 1 < anchors.size(); ++a) {
        const std::size_t from = anchors[a];
        const std::size_t to = anchors[a + 1];
        const std::size_t count = to - from;
        if (count != 12 && count != 13) {
            std::fprintf(stderr, "unexpected span of %zu months\n", count);
            return 1;
        }
        bool leapDone = count == 12;
        int number = 11;
        months[from].m_number = number;
        for (std::size_t i = from + 1; i < to; ++i) {
            if (!leapDone && months[i].m_terms.empty()) {
                months[i].m_leap = true;
                leapDone = true;
            } else {
                number = number % 12 + 1;
            }
            months[i].m_number = number;
        }
        if (!leapDone || number != 10) {
            std::fprintf(stderr, "inconsistent span starting %d\n", toYyyymmdd(months[from].m_newMoon.m_day));
            return 1;
        }
    }

    std::vector<std::size_t> output;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        const LunarMonth& month = months[i];
        if (month.m_newMoon.m_day < firstDay || month.m_newMoon.m_day > lastDay)
            continue;
        output.push_back(i);
        // Cross-check against naming each month by the principal term it holds.
        const bool plain = month.m_terms.size() == 1 && !month.m_leap && month.m_terms[0] == month.m_number;
        const bool plainLeap = month.m_terms.empty() && month.m_leap;
        if (!plain && !plainLeap) {
            std::fprintf(stderr, "month %d numbered %s%d holds %zu principal terms\n",
                         toYyyymmdd(month.m_newMoon.m_day), month.m_leap ? "leap " : "", month.m_number,
                         month.m_terms.size());
        }
        if (nearMidnight(month.m_newMoon))
            printMoment("new moon near midnight:", month.m_newMoon);
    }
    for (const PrincipalTerm& term : terms) {
        if (!nearMidnight(term.m_moment) || term.m_moment.m_day < firstDay || term.m_moment.m_day > lastDay)
            continue;
        for (std::size_t i : output) {
            const long start = months[i].m_newMoon.m_day;
            if (term.m_moment.m_day == start || term.m_moment.m_day == start - 1 || term.m_moment.m_day == start + 1)
                printMoment("principal term near midnight next to a month start:", term.m_moment);
        }
    }

    std::printf("// Generated by tools/lunar-table/main.cpp (lunar months from new moons and principal terms in JST).\n"
                "// Do not edit: rebuild that tool and run it with its output redirected to this file.\n"
                "#pragma once\n\n#include <array>\n\nnamespace Calendar {\n\n"
                "struct LunarMonthStart\n{\n"
                "    int m_firstDay; // Gregorian yyyymmdd of lunar day 1\n"
                "    int m_month;    // 1..12\n"
                "    bool m_leap;\n};\n\n"
                "inline constexpr std::array<LunarMonthStart, %zu> kLunarMonthStarts = {{\n",
                output.size());
    for (std::size_t n = 0; n < output.size(); ++n) {
        const LunarMonth& month = months[output[n]];
        const bool lineEnd = n % 4 == 3 || n + 1 == output.size();
        std::printf("%s{%d, %2d, %s},%s", n % 4 == 0 ? "    " : " ", toYyyymmdd(month.m_newMoon.m_day), month.m_number,
                    month.m_leap ? "true" : "false", lineEnd ? "\n" : "");
    }
    std::printf("}};\n\n} // namespace Calendar\n");
    return 0;
}
