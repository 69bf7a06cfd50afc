#include "cli/Help.h"

namespace orv::cli {

std::string_view helpText() {
  return R"(Usage: orvane-cli [--data DIR] [-o FILE] COMMAND [OPTIONS]

Writes the pages, the search result and the lists of the Orvane viewer without a window,
byte for byte as the window writes them for the same choices.

Commands:
  report legend                    the measurement legend page
  report history                   the version history page (VERSION.TXT)
  report model --year Y --make M --model NAME [--group G] [--units metric|imperial]
                                   the page of one model of the row list
  report make --year Y --make M [--group G] [--units metric|imperial]
                                   the page of every model of the row list
  report year --year Y [--layout compact|boxed] [--units metric|imperial]
                                   the page of every model of the year
  search [--wb FROM TO] [--tf FROM TO] [--tr FROM TO] [--units cm|in]
                                   the wheelbase and track width search (REPORT.TXT text)
  list years                       the model years offered
  list makes --year Y              the makes of a year, sorted as the make list shows them
  list models --year Y --make M [--group G]
                                   the models of the row list, one a line
  export --year Y [--make M [--group G]] [--units metric|imperial]
                                   the row list as CSV (the whole year without --make)
  sheet --year Y --make M --model NAME [--group G] [--units metric|imperial]
        [--format html|json]       the vehicle sheet of one model: measurements, derived
                                   values, drawings, source (JSON: always metric)
  drawing --year Y --make M --model NAME [--group G] --view top|side --format svg|dxf
          [--units metric|imperial]
                                   the to-scale drawing of one model as an SVG or DXF file
  similar (--year Y --make M --model NAME | --wb V [--tf V] [--tr V] ...)
          [--by WB,TF,TR] [--tolerance WB=1,CW=25] [--units metric|imperial]
          [--format html|json|text]
                                   the sister vehicles: every vehicle whose measures each
                                   stand within their tolerance, nearest first, and the
                                   generations of the chosen vehicle's model
  generations --make M --model NAME [--tolerance WB=1,OL=2] [--units metric|imperial]
          [--format html|json|text]
                                   the model's years grouped into generations
  compare --vehicle Y M NAME --vehicle Y M NAME [--vehicle Y M NAME ...]
          [--units metric|imperial] [--align front-axle|front-end|rear-axle]
          [--format html|json|csv]
                                   two to four vehicles side by side: values, differences
                                   to the first, outlines laid over each other (JSON:
                                   always metric)

Options:
  --data DIR   the folder of the year files and VERSION.TXT (default: the current folder)
  -o FILE      write to FILE instead of standard output (an old FILE is replaced)
  --group G    the model filter: models that begin with G
  --wb --tf --tr --ol --ow --oh --cw V
               a typed value (cm, kg) after similar; after search, --wb --tf --tr take FROM TO
  --by LIST    the measures similar compares: any of A to G, OL, OW, OH, WB, TF, TR, CW
  --tolerance LIST
               MEASURE=VALUE items; 1 cm for lengths and 25 kg for CW by default, 0: equal
  --format F   html (default), json (always metric), text or csv
  --vehicle Y M NAME
               a vehicle to compare, named as report model names it; two to four times
  --align A    where compare lays the outlines over each other: front-axle (default),
               front-end or rear-axle
  --help       this text;  --version  the program version

Examples:
  orvane-cli report legend > legend.htm
  orvane-cli report history -o history.htm
  orvane-cli --data /srv/orv report model --year 1995 --make alder --model "SPEY 2DR"
  orvane-cli report make --year 1995 --make ALDER --group SPEY --units imperial
  orvane-cli report year --year 1995 --layout boxed -o 1995.htm
  orvane-cli search --wb 250 265 --tf 140 150
  orvane-cli search --wb 98 104.5 --units in -o REPORT.TXT
  orvane-cli list years
  orvane-cli list makes --year 1995
  orvane-cli list models --year 1995 --make ALDER
  orvane-cli export --year 1995 --make ALDER -o alder-1995.csv
  orvane-cli sheet --year 1995 --make ALDER --model "SPEY 2DR" -o spey.htm
  orvane-cli sheet --year 1995 --make ALDER --model "SPEY 2DR" --format json
  orvane-cli drawing --year 1995 --make alder --model tay --view side --format dxf -o tay.dxf
  orvane-cli similar --year 1995 --make ALDER --model "SPEY 2DR" -o sisters.htm
  orvane-cli similar --wb 265 --tf 150 --tr 148 --tolerance WB=2 --format json
  orvane-cli generations --make ALDER --model "SPEY 2DR" --format text
  orvane-cli compare --vehicle 1995 ALDER "SPEY 2DR" --vehicle 1995 ALDER TAY -o cmp.htm

Exit status: 0 success; 1 when the data or a check gave a message (after more than 2000
search hits the result is still written); 2 for a wrong command line.
)";
}

std::string versionLine() {
  return std::string("orvane-cli ") + ORVANE_VERSION + "\n";
}

}  // namespace orv::cli
