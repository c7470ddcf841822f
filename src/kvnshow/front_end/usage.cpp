#include "kvnshow/front_end/usage.h"

#include "kvnprogram/output_failure.h"

namespace kvn {

void writeUsage(std::FILE* out) {
  // The program's fixed name, not the one it was started under.
  std::fprintf(out, "usage:  %s [-option...] fax-ID...\n", "kvnshow");
  std::fputs(
      "\n"
      "Options:\n"
      "    -a          Show faxes in all folders, not just \"main\".\n"
      "    -cp page    Code page of the server's texts, for -csv and -json.\n"
      "    -csv        List the faxes as CSV data, for scripts.\n"
      "    -e          Show extended fax information.\n"
      "    -json       List the faxes as JSON data, for scripts.\n"
      "    -s host     Kavrin server name or IP address (required).\n"
      "    -R          Show only received faxes.\n"
      "    -S          Show only sent faxes.\n"
      "    -t          Sort the list by date.\n"
      "    -tr         Sort the list in reverse date order.\n"
      "    -u user     Owner user-ID/in-box (required).\n"
      "    -v          Verbose listing.\n"
      "    -z          Show times in UTC (Z) timezone.\n"
      "\n"
      "Faxes are specified by either their unique-ID (e.g., APP0438B2C87FE62B9) or\n"
      "their filename (e.g., B000409E2).  Fax-IDs can contain wildcard ('?' and '*')\n"
      "characters.\n"
      "\n",
      out);
  flushOutput(out);
}

}  // namespace kvn
