#include "cli/usage.h"

namespace vendrel::cli {

const char kUsage[] = R"(Usage:
  vendrel-calc --flow W --diameter D [--roughness K | --material NAME]
               [--viscosity NU | --temperature T [--fluid NAME
               [--concentration PERCENT | --volume-concentration PERCENT]]]
  vendrel-calc --size --flow W [--series NAME | --series-file FILE]
               [--max-rate PA] [--max-velocity V]
               [--roughness K | --material NAME] [--viscosity NU | --temperature T]
               [--format text|csv] [--bom]
  vendrel-calc --table [--series NAME | --series-file FILE] [--min-rate PA]
               [--max-rate PA] [--roughness K | --material NAME]
               [--viscosity NU | --temperature T] [--format text|csv] [--bom]
  vendrel-calc --csv [FILE] [--series NAME | --series-file FILE] [--bom]
               [--fluid NAME [--concentration PERCENT] --temperature T]
               [--delta-t K]
  vendrel-calc --circuit FILE [--series NAME | --series-file FILE]
               [--max-rate PA] [--max-velocity V] [--head-margin PERCENT]
               [--static-head H] [--max-imbalance PERCENT]
               [--roughness K | --material NAME]
               [--viscosity NU | --temperature T] [--fluid NAME]
               [--concentration PERCENT] [--delta-t K]
               [--format text|csv [--paths] | --format xlsx|pdf [--output FILE]]
  vendrel-calc --material-list | --series-list [--series-file FILE]
  vendrel-calc --fittings-list
Each form also takes --material-file FILE; the first three and --circuit,
--fluid and --concentration (or --volume-concentration) with --temperature;
the first two, --load and --delta-t instead of --flow.

Friction loss of water flowing full in a round pipe.

  --flow W          water flow, m³/h
  --diameter D      clear inner diameter, mm
  --roughness K     absolute wall roughness, mm (default 0.2; for --size and
                    --table, that of the series' material)
  --material NAME   the roughness of a pipe material instead, by its key in
                    any case or its Chinese name (--material-list)
  --viscosity NU    kinematic viscosity, 10^-6 m²/s (default 1.306)
  --temperature T   water temperature, °C (0 to 100), instead of --viscosity:
                    the viscosity of water at T and 0.1 MPa (IAPWS 2008 with
                    Kell's density), with three decimals, is used and shown
  --fluid NAME      water (水, the default), eg (乙二醇) or pg (丙二醇), a
                    glycol brine by Melinder's correlations, at --temperature:
                    its viscosity and density, for the single calculation,
                    --size and --table
  --concentration PERCENT  a brine's glycol, % by mass (0 to 60)
  --volume-concentration PERCENT  instead, % by volume, glycol and water
                    measured apart at 20 °C; its share by mass is printed too
  --fluid, --concentration and --delta-t also stand for a circuit file's
                    介质, 浓度 and 供回水温差
  --load KW --delta-t K  instead of --flow, for the single calculation and
                    --size: the flow that carries the load at that supply–return
                    difference, G = 3600·Q/(ρ·c_p·Δt) with the fluid's ρ and
                    c_p at --temperature (10 °C when none), to 0.001 m³/h,
                    used and shown
  --size            every size of a pipe series for the flow: inner diameter,
                    velocity, loss in mm of water column and in Pa per metre
                    (ρ·g·Rf/1000, g = 9.807, ρ of water at the temperature,
                    10 °C when a viscosity is given), flow zone; "*" marks the
                    smallest size within the limits. Where the calculator
                    finds no friction law in its zone (迭代失败), λ is that of
                    the Colebrook–White law, marked "过渡区*".
  --table           the selection chart: for every size of a series, the flows
                    (m³/h) at which the loss reaches --min-rate and passes
                    --max-rate, and the velocities there
  --series NAME     the series for --size and --table (default sch40;
                    --series-list); its pipes' material gives the roughness
                    unless --roughness or --material does
  --series-file FILE  a series of your own from a CSV file (see the manual)
  --material-file FILE  materials of your own from a CSV file
  --min-rate PA     the smallest loss for --table, Pa/m (default 100)
  --max-rate PA     the largest loss for --size, --table and --circuit, Pa/m
                    (default 300); losses are judged as listed, to 0.1 Pa/m
  --max-velocity V  the largest velocity for --size and --circuit, m/s, for
                    every size (default by size: 1.2 m/s up to 50 mm bore,
                    then 3 m/s, or 1.5 m/s for plastic pipe)
  --format FORMAT   text (aligned, the default) or csv, for --size, --table
                    and --circuit; xlsx, --circuit's Excel workbook; pdf,
                    --circuit's calculation book (A4, fonts embedded)
  --csv [FILE]      calculate every row of a CSV file (standard input when no
                    FILE or FILE is -), in UTF-8, UTF-16 with a byte-order mark
                    (tab-separated as Excel's "Unicode text") or GBK/GB18030
                    (Excel's "CSV" on a Chinese Windows). The header names the
                    columns in English in any case or in Chinese: flow (流量)
                    and diameter (管径), optionally roughness (粗糙度) or
                    material (管材), and viscosity (运动粘滞系数) or
                    temperature (水温); a diameter is a bore in mm, a size as
                    drawings write it (D219×6) or a size of --series (DN50); a
                    unit in brackets after a name is allowed, an empty
                    optional cell takes the default, other
                    columns are your own and carried through. The output is
                    CSV with the four inputs, then velocity, reynolds, lambda,
                    friction_rate, rough_reynolds, status, zone (laminar,
                    critical, smooth, transition, rough, failed or invalid)
                    and residual (the number in the status); your columns
                    before the first of ours come first, the others last.
                    Every row in gives one row out, in order.
  --circuit FILE    the hydraulic calculation of a circuit: a CSV file of one
                    row per section with section (管段), from (起点), to (终点),
                    length (长度, m), and optionally flow (流量, blank to derive
                    it at the nodes), diameter (管径) or nominal (公称直径; with
                    neither, sized), zeta (局部阻力系数), fittings (管件, e.g.
                    "elbow90*4 gate*2 tee-branch"), device (设备阻力, kPa),
                    kv (阀门Kv, a valve's, m³/h at 1 bar).
                    Prints every section's losses, every path from the pump's
                    outlet to its inlet with its total and its imbalance, the
                    index circuit (最不利环路), the pump head, and what each
                    section must throttle with the valve's Kv and the orifice
                    plate that would (平衡; see the manual)
  --head-margin P   the margin on the index circuit for the pump head, %
                    (default 10)
  --static-head H   the static lift an open system's pump adds to the head, m
                    (default 0), after the margin
  --max-imbalance P the imbalance allowed between parallel paths, % (15)
  --paths           with --circuit --format csv: one row per path
  --output FILE     with --circuit --format xlsx or pdf: the file, else
                    standard output (not a terminal)
  --bom             CSV output with a UTF-8 byte-order mark and CRLF line
                    ends, so that Excel on a Chinese Windows shows it right
  --fittings-list   the fittings of --circuit: keys, Chinese names, K by size
  --material-list   the pipe materials and their roughness, with sources
  --series-list     the pipe series and their sizes, with sources
  --help            show this help
  --version         show the version

Each value must be a number and nothing else: "." is the decimal point
whatever the locale, and units are not written ("10,5" and "50mm" are
refused). What cannot be calculated is reported on standard error. Your own
series and materials are also read from the data folder: series/*.csv and
materials.csv in $XDG_DATA_HOME/vendrel (~/.local/share/vendrel), on Windows
%APPDATA%\Vendrel.

Examples (lines of the output):
  $ vendrel-calc --size --flow 40
     公称直径  内径(mm)  流速(m/s)  比摩阻(mm水柱/m)  比摩阻(Pa/m)  流区
  *  DN100     102.26    1.352870   22.713579         222.7         过渡区
  $ vendrel-calc --table
  公称直径  内径(mm)  流量下限(m³/h)  流量上限(m³/h)  流速下限(m/s)  流速上限(m/s)
  DN100     102.26    26.418          46.630          0.893503       1.577108

Exit status:
  0  every result was calculated
  1  results were written, but some could not be calculated (a value that is
     not a number or below 0.000001, a temperature outside 0 to 100 °C, an
     unknown material in a CSV row, no friction law fitting its zone, results
     that are not finite numbers, a size of --size without a loss or a flow of
     --table not found, a section of --circuit not calculated or a path out
     of balance beyond the limit); each is named on standard error
  2  wrong usage, nothing written (an unknown or repeated option, a value for
     an option that takes none, an unknown material or series, a series or
     materials file that cannot be taken, a limit that is not a positive
     number, a value --size or --table cannot calculate with)
  3  results are missing: the input could not be read, is malformed CSV or in
     no encoding it can be read in, a circuit file is no circuit (a cycle,
     flows that do not balance), or the output could not be written
)";

} // namespace vendrel::cli
