<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_CA">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Phone: %1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>Fax: %1</source>
        <translation>Fax: %1</translation>
    </message>
    <message>
        <source>This MICR calibration page helps you select the correct MICR font for your printer and operating system. Once</source>
        <translation>This MICR calibration page helps you select the correct MICR font for your printer and operating system. Once</translation>
    </message>
    <message>
        <source>this page is cool, measure the length of each of the five sample MICR lines below using the marks below each</source>
        <translation>this page is cool, measure the length of each of the five sample MICR lines below using the marks below each</translation>
    </message>
    <message>
        <source>MICR line. Select the line that is closest to 7 inches and enter that line number into the calibration program. This</source>
        <translation>MICR line. Select the line that is closest to 7 inches and enter that line number into the calibration program. This</translation>
    </message>
    <message>
        <source>will display the name of the MICR font to use on your system. If your printer shows two lines of the same length,</source>
        <translation>will display the name of the MICR font to use on your system. If your printer shows two lines of the same length,</translation>
    </message>
    <message>
        <source>pick the line nearest to Line 3. Using a MICR Check Gauge, align the left side of position #62 with the first mark</source>
        <translation>pick the line nearest to Line 3. Using a MICR Cheque Gauge, align the left side of position #62 with the first mark</translation>
    </message>
    <message>
        <source>below each MICR line. The last mark below that same MICR line should match the left side of position #6.</source>
        <translation>below each MICR line. The last mark below that same MICR line should match the left side of position #6.</translation>
    </message>
    <message>
        <source>Line %1,  typeface name:  </source>
        <translation>Line %1,  typeface name:  </translation>
    </message>
    <message>
        <source>The four special symbols needed in MICR encoding are accessed by using the characters shown below:</source>
        <translation>The four special symbols needed in MICR encoding are accessed by using the characters shown below:</translation>
    </message>
    <message>
        <source>Transit,   use &quot;A&quot; or &quot;:&quot; </source>
        <translation>Transit,   use &quot;A&quot; or &quot;:&quot; </translation>
    </message>
    <message>
        <source>Amount,   use &quot;B&quot; or &quot;;&quot; </source>
        <translation>Amount,   use &quot;B&quot; or &quot;;&quot; </translation>
    </message>
    <message>
        <source>On-Us,   use &quot;C&quot; or &quot;&lt;&quot; </source>
        <translation>On-Us,   use &quot;C&quot; or &quot;&lt;&quot; </translation>
    </message>
    <message>
        <source>Dash,   use &quot;D&quot; or &quot;=&quot; </source>
        <translation>Dash,   use &quot;D&quot; or &quot;=&quot; </translation>
    </message>
    <message>
        <source>This package also includes eight Warden Fonts%1. These font styles include:</source>
        <translation>This package also includes eight Warden Fonts%1. These font styles include:</translation>
    </message>
    <message>
        <source>A much larger set of 26 Warden Fonts%1, some of which support upper and lower case letters plus international</source>
        <translation>A much larger set of 26 Warden Fonts%1, some of which support upper and lower case letters plus international</translation>
    </message>
    <message>
        <source>character sets, is available at our web site. Call us (%1) or visit our web site for more information</source>
        <translation>character sets, is available at our web site. Call us (%1) or visit our web site for more information</translation>
    </message>
    <message>
        <source>and samples: %1.</source>
        <translation>and samples: %1.</translation>
    </message>
    <message>
        <source>We can also convert your signature or company logo into a font, for check printing or use anywhere in Windows.</source>
        <translation>We can also convert your signature or company logo into a font, for cheque printing or use anywhere in Windows.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>ChequeCommand</name>
    <message>
        <source>Checks a check printed to a file by another program.</source>
        <translation>Checks a cheque printed to a file by another program.</translation>
    </message>
    <message>
        <source>Reads the MICR line out of one check that a check-printing program printed to
a file (PDF, or PostScript through Ghostscript) and checks it against a printer:
its face and size, each character&apos;s position and the fields, where position 1
and the baseline land on the paper, how far to move the line in that program,
and every other mark in the clear band. Exits with 0 with no fault and both
moves within 1/32 in, 1 otherwise (also when no MICR line is found), and 2
for a file that cannot be read.</source>
        <translation>Reads the MICR line out of one cheque that a cheque-printing program printed to
a file (PDF, or PostScript through Ghostscript) and checks it against a printer:
its face and size, each character&apos;s position and the fields, where position 1
and the baseline land on the paper, how far to move the line in that program,
and every other mark in the clear band. Exits with 0 with no fault and both
moves within 1/32 in, 1 otherwise (also when no MICR line is found), and 2
for a file that cannot be read.</translation>
    </message>
    <message>
        <source>The check file, PDF or PostScript.</source>
        <translation>The cheque file, PDF or PostScript.</translation>
    </message>
    <message>
        <source>--cheque-height: %1</source>
        <translation>--cheque-height: %1</translation>
    </message>
    <message>
        <source>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</source>
        <translation>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: see the profiles command</source>
        <translation>no printer &quot;%1&quot; is remembered: see the profiles command</translation>
    </message>
    <message>
        <source>printer &quot;%1&quot;&apos;s face, %2, is not installed: see the fonts command</source>
        <translation>printer &quot;%1&quot;&apos;s face, %2, is not installed: see the fonts command</translation>
    </message>
    <message>
        <source>Line %1&apos;s face, %2, is not installed, so its printer&apos;s scale is unknown: see the fonts command</source>
        <translation>Line %1&apos;s face, %2, is not installed, so its printer&apos;s scale is unknown: see the fonts command</translation>
    </message>
    <message>
        <source>Without --printer: the printer on which calibration line N&apos;s face (1 to 5, default 3) prints the MICR line 7.000 in long, with no shift.</source>
        <translation>Without --printer: the printer on which calibration line N&apos;s face (1 to 5, default 3) prints the MICR line 7.000 in long, with no shift.</translation>
    </message>
    <message>
        <source>The printer the check will print on, by its CUPS queue: the face calibrated there and the placement measured there (see the profiles command). Without it, --line N.</source>
        <translation>The printer the cheque will print on, by its CUPS queue: the face calibrated there and the placement measured there (see the profiles command). Without it, --line N.</translation>
    </message>
    <message>
        <source>Without --printer: the printer is calibrated for --line&apos;s bold face.</source>
        <translation>Without --printer: the printer is calibrated for --line&apos;s bold face.</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>one JSON object</translation>
    </message>
    <message>
        <source>--page: &quot;%1&quot; is no page number (1, 2, ...)</source>
        <translation>--page: &quot;%1&quot; is no page number (1, 2, ...)</translation>
    </message>
    <message>
        <source>The page of the file that holds the check, from 1. Without it, the first page with text in a MICR face.</source>
        <translation>The page of the file that holds the cheque, from 1. Without it, the first page with text in a MICR face.</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>Checks a MICR line as typed.</source>
        <translation>Checks a MICR line as typed.</translation>
    </message>
    <message>
        <source>Checks a MICR line as typed against the standard&apos;s fields, its last character
at position 14 (at 1 when it ends in an amount field), and prints it as the
line command does. Exits with 0 with no fault, 1 with one.</source>
        <translation>Checks a MICR line as typed against the standard&apos;s fields, its last character
at position 14 (at 1 when it ends in an amount field), and prints it as the
line command does. Exits with 0 with no fault, 1 with one.</translation>
    </message>
    <message>
        <source>The line as typed, symbols as A B C D or : ; &lt; =.</source>
        <translation>The line as typed, symbols as A B C D or : ; &lt; =.</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>one JSON object</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options]%3</source>
        <translation>Usage: %1 %2 [options]%3</translation>
    </message>
    <message>
        <source>%1 writes a page or file (for %2); %3 writes no file</source>
        <translation>%1 writes a page or file (for %2); %3 writes no file</translation>
    </message>
    <message>
        <source>%1 is for %2; %3 takes no %1</source>
        <translation>%1 is for %2; %3 takes no %1</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>unknown argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>Prints %1 instead of text.</source>
        <translation>Prints %1 instead of text.</translation>
    </message>
    <message>
        <source>letter (default) or a4. The calibration page starts a quarter inch in from the paper&apos;s top and left edges; the placement page is measured from the paper&apos;s own edges, on 3-up stock of the paper.</source>
        <translation>letter (default) or a4. The calibration page starts a quarter inch in from the paper&apos;s top and left edges; the placement page is measured from the paper&apos;s own edges, on 3-up stock of the paper.</translation>
    </message>
    <message>
        <source>The check&apos;s width (default 8.5 in), for where the line&apos;s left end goes.</source>
        <translation>The cheque&apos;s width (default 8.5 in), for where the line&apos;s left end goes.</translation>
    </message>
    <message>
        <source>The top (default), middle or bottom check of 3-up stock.</source>
        <translation>The top (default), middle or bottom cheque of 3-up stock.</translation>
    </message>
    <message>
        <source>The height of one check of 3-up stock, from 3 in to a third of the paper (default 3.5 in on Letter, 99 mm on A4).</source>
        <translation>The height of one cheque of 3-up stock, from 3 in to a third of the paper (default 3.5 in on Letter, 99 mm on A4).</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line is in the face of calibration line N (1 to 5, default 3); with --bold, its bold face.</source>
        <translation>The page&apos;s MICR line is in the face of calibration line N (1 to 5, default 3); with --bold, its bold face.</translation>
    </message>
    <message>
        <source>The correction the page carries, as check-printing software applies it: its MICR line, position 1&apos;s tick and the baseline rule moved RIGHT and UP inches (negative: left and down), for example 0.04,-0.012. Readings of such a page give the move still to make and the total.</source>
        <translation>The correction the page carries, as cheque-printing software applies it: its MICR line, position 1&apos;s tick and the baseline rule moved RIGHT and UP inches (negative: left and down), for example 0.04,-0.012. Readings of such a page give the move still to make and the total.</translation>
    </message>
    <message>
        <source>--paper is letter or a4, not &quot;%1&quot;</source>
        <translation>--paper is letter or a4, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 is %2 or %3, not &quot;%4&quot;</source>
        <translation>--%1 is %2 or %3, not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>Give the total correction the placement readings showed, as RIGHT,UP in inches: 0.04,-0.012.</source>
        <translation>Give the total correction the placement readings showed, as RIGHT,UP in inches: 0.04,-0.012.</translation>
    </message>
    <message>
        <source>--applied takes RIGHT,UP in inches (negative: left and down), not &quot;%1&quot;</source>
        <translation>--applied takes RIGHT,UP in inches (negative: left and down), not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--applied: %1</source>
        <translation>--applied: %1</translation>
    </message>
    <message>
        <source>--cheque-height: %1</source>
        <translation>--cheque-height: %1</translation>
    </message>
    <message>
        <source>--cheque-width: %1</source>
        <translation>--cheque-width: %1</translation>
    </message>
    <message>
        <source>%1 takes KEY=VALUE pairs, each once, not &quot;%2&quot;</source>
        <translation>%1 takes KEY=VALUE pairs, each once, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs layout=us or layout=ca</source>
        <translation>%1 needs layout=us or layout=ca</translation>
    </message>
    <message>
        <source>%1 with layout=%2 takes no &quot;%3&quot;</source>
        <translation>%1 with layout=%2 takes no &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 with layout=%2 needs %3=</source>
        <translation>%1 with layout=%2 needs %3=</translation>
    </message>
    <message>
        <source>Checks that the MICR and security faces are installed.</source>
        <translation>Checks that the MICR and security faces are installed.</translation>
    </message>
    <message>
        <source>Lists each MICR and security face as installed or missing. Exits with 1 when a
standard MICR face is missing.</source>
        <translation>Lists each MICR and security face as installed or missing. Exits with 1 when a
standard MICR face is missing.</translation>
    </message>
    <message>
        <source>-o FILE [page options]</source>
        <translation>-o FILE [page options]</translation>
    </message>
    <message>
        <source>page -o FILE [page options]</source>
        <translation>page -o FILE [page options]</translation>
    </message>
    <message>
        <source>--%1 and --%2 are different commands (%3 and %4): give one</source>
        <translation>--%1 and --%2 are different commands (%3 and %4): give one</translation>
    </message>
    <message>
        <source>--micr-line with -o prints on the placement page: add --page placement</source>
        <translation>--micr-line with -o prints on the placement page: add --page placement</translation>
    </message>
    <message>
        <source>Composes your own MICR line from your bank&apos;s details.</source>
        <translation>Composes your own MICR line from your bank&apos;s details.</translation>
    </message>
    <message>
        <source>Composes your own MICR line from your bank&apos;s details: prints the text to type,
each field&apos;s positions, every fault, and where the line goes on the check.
Exits with 0 with no fault, 1 with one. The page command&apos;s --micr-line prints
it on the placement page.</source>
        <translation>Composes your own MICR line from your bank&apos;s details: prints the text to type,
each field&apos;s positions, every fault, and where the line goes on the cheque.
Exits with 0 with no fault, 1 with one. The page command&apos;s --micr-line prints
it on the placement page.</translation>
    </message>
    <message>
        <source>KEY=VALUE pairs joined by commas: layout=us with routing=NUMBER, onus=FIELD and, where the bank prints them, aux=FIELD and epc=DIGIT; or layout=ca with branch=NUMBER, institution=NUMBER, onus=FIELD and aux=FIELD. The on-us fields as your bank prints them, symbols as A B C D or : ; &lt; =. For example layout=us,routing=021000021,onus=123456789C.</source>
        <translation>KEY=VALUE pairs joined by commas: layout=us with routing=NUMBER, onus=FIELD and, where the bank prints them, aux=FIELD and epc=DIGIT; or layout=ca with branch=NUMBER, institution=NUMBER, onus=FIELD and aux=FIELD. The on-us fields as your bank prints them, symbols as A B C D or : ; &lt; =. For example layout=us,routing=021000021,onus=123456789C.</translation>
    </message>
    <message>
        <source>Positions %1 to %2</source>
        <translation>Positions %1 to %2</translation>
    </message>
    <message>
        <source>Left end: %1 from the check&apos;s left edge (a check %2 in wide); baseline: %3 above its bottom edge</source>
        <translation>Left end: %1 from the cheque&apos;s left edge (a cheque %2 in wide); baseline: %3 above its bottom edge</translation>
    </message>
    <message>
        <source>No faults.</source>
        <translation>No faults.</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>Fault: %1</translation>
    </message>
    <message>
        <source>Judges the lengths measured on a printed calibration page.</source>
        <translation>Judges the lengths measured on a printed calibration page.</translation>
    </message>
    <message>
        <source>Weighs the lengths measured on a printed calibration page and names the line
whose face prints the MICR line at 7 inches. Prints &quot;Line N: FACE&quot; when a
face is within tolerance, otherwise &quot;Not calibrated: REASON&quot;, then every
line&apos;s length, the residual and the verdict. Exits with 0 for good or
marginal, 1 when not calibrated.</source>
        <translation type="vanished">Weighs the lengths measured on a printed calibration page and names the line
whose face prints the MICR line at 7 inches. Prints &quot;Line N: FACE&quot; when a
face is within tolerance, otherwise &quot;Not calibrated: REASON&quot;, then every
line&apos;s length, the residual and the verdict. Exits with 0 for good or
marginal, 1 when not calibrated.</translation>
    </message>
    <message>
        <source>LINE=LENGTH[,LINE=LENGTH...], for example &quot;3=7 1/16,5=183.4 mm&quot; (inches, fractions, mm or cm).</source>
        <translation>LINE=LENGTH[,LINE=LENGTH...], for example &quot;3=7 1/16,5=183.4 mm&quot; (inches, fractions, mm or cm).</translation>
    </message>
    <message>
        <source>the MICR faces are not installed, so no line can be predicted; see the fonts command</source>
        <translation>the MICR faces are not installed, so no line can be predicted; see the fonts command</translation>
    </message>
    <message>
        <source>there is no line %1 on the page: lines are 1 to 5</source>
        <translation>there is no line %1 on the page: lines are 1 to 5</translation>
    </message>
    <message>
        <source>line </source>
        <translation>line </translation>
    </message>
    <message>
        <source>Name the bold face of the line instead.</source>
        <translation>Name the bold face of the line instead.</translation>
    </message>
    <message>
        <source>Writes the calibration page or the placement page to a PDF or PNG file.</source>
        <translation>Writes the calibration page or the placement page to a PDF or PNG file.</translation>
    </message>
    <message>
        <source>Writes the MICR calibration page or the placement page, exactly as the wizard
prints them: a PDF (FILE.pdf) or a raster image (FILE.png). Print the file at
100 % (no &quot;fit to page&quot;): measure the calibration page&apos;s sample lines, or the
placement page&apos;s bars and where its MICR line lands, and give the readings
back with the measure or place command.</source>
        <translation>Writes the MICR calibration page or the placement page, exactly as the wizard
prints them: a PDF (FILE.pdf) or a raster image (FILE.png). Print the file at
100 % (no &quot;fit to page&quot;): measure the calibration page&apos;s sample lines, or the
placement page&apos;s bars and where its MICR line lands, and give the readings
back with the measure or place command.</translation>
    </message>
    <message>
        <source>warning: not installed, their sample lines cannot be measured: %1</source>
        <translation>warning: not installed, their sample lines cannot be measured: %1</translation>
    </message>
    <message>
        <source>the page was written, but its MICR line has faults a bank would reject:</source>
        <translation>the page was written, but its MICR line has faults a bank would reject:</translation>
    </message>
    <message>
        <source>--%1 is for the placement page: add --page placement</source>
        <translation>--%1 is for the placement page: add --page placement</translation>
    </message>
    <message>
        <source>--micr-line prints on the placement page: add --page placement</source>
        <translation>--micr-line prints on the placement page: add --page placement</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE</source>
        <translation>no output file: give one with -o FILE</translation>
    </message>
    <message>
        <source>the output file must end in .pdf or .png, not &quot;%1&quot;</source>
        <translation>the output file must end in .pdf or .png, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--dpi takes N or XxY in dots per inch, not &quot;%1&quot;</source>
        <translation>--dpi takes N or XxY in dots per inch, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--dpi must be between %1 and %2, not %3</source>
        <translation>--dpi must be between %1 and %2, not %3</translation>
    </message>
    <message>
        <source>The file to write, FILE.pdf or FILE.png; it is written whole or not at all.</source>
        <translation>The file to write, FILE.pdf or FILE.png; it is written whole or not at all.</translation>
    </message>
    <message>
        <source>calibration (default): the page with five sample lines; placement: where the MICR line lands on a check, measured from the paper&apos;s edges.</source>
        <translation>calibration (default): the page with five sample lines; placement: where the MICR line lands on a cheque, measured from the paper&apos;s edges.</translation>
    </message>
    <message>
        <source>The bold MICR faces: the calibration page&apos;s labels, the placement page&apos;s MICR line.</source>
        <translation>The bold MICR faces: the calibration page&apos;s labels, the placement page&apos;s MICR line.</translation>
    </message>
    <message>
        <source>Device resolution the page is laid out for: N or XxY dots per inch (default 600).</source>
        <translation type="vanished">Device resolution the page is laid out for: N or XxY dots per inch (default 600).</translation>
    </message>
    <message>
        <source>The placement page prints your own MICR line instead of the sample, composed from FIELDS as the line command takes them. A line with faults is printed all the same, its faults said on stderr and the status 1.</source>
        <translation>The placement page prints your own MICR line instead of the sample, composed from FIELDS as the line command takes them. A line with faults is printed all the same, its faults said on stderr and the status 1.</translation>
    </message>
    <message>
        <source>Judges what was measured on a printed placement page.</source>
        <translation>Judges what was measured on a printed placement page.</translation>
    </message>
    <message>
        <source>Weighs what was measured on a printed placement page: prints the scale with its
verdict, where the MICR line landed and how far to move it in check-printing
software. Exits with 0 when the scale is fine and both moves are within
1/32 in, 1 otherwise (no move from a scaled page, nor from readings that
cannot be right), 2 for readings refused as typed (past the paper&apos;s edge).
The options describe the page as it was printed, --applied its correction.</source>
        <translation>Weighs what was measured on a printed placement page: prints the scale with its
verdict, where the MICR line landed and how far to move it in cheque-printing
software. Exits with 0 when the scale is fine and both moves are within
1/32 in, 1 otherwise (no move from a scaled page, nor from readings that
cannot be right), 2 for readings refused as typed (past the paper&apos;s edge).
The options describe the page as it was printed, --applied its correction.</translation>
    </message>
    <message>
        <source>bar=LENGTH,right=LENGTH,bottom=LENGTH or top=LENGTH instead of bottom, and optionally vbar=LENGTH: the reference bar, the distance from the paper&apos;s right edge to where position 1 ends, the baseline from the check&apos;s bottom edge (check stock) or from the paper&apos;s top edge (plain paper), and the vertical bar.</source>
        <translation>bar=LENGTH,right=LENGTH,bottom=LENGTH or top=LENGTH instead of bottom, and optionally vbar=LENGTH: the reference bar, the distance from the paper&apos;s right edge to where position 1 ends, the baseline from the cheque&apos;s bottom edge (cheque stock) or from the paper&apos;s top edge (plain paper), and the vertical bar.</translation>
    </message>
    <message>
        <source>bar=LENGTH,right=LENGTH,bottom=LENGTH (or top=LENGTH)[,vbar=LENGTH]</source>
        <translation>bar=LENGTH,right=LENGTH,bottom=LENGTH (or top=LENGTH)[,vbar=LENGTH]</translation>
    </message>
    <message>
        <source>%1 needs bar, right and one of bottom or top, as %2</source>
        <translation>%1 needs bar, right and one of bottom or top, as %2</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line was in the bold face of --line.</source>
        <translation>The page&apos;s MICR line was in the bold face of --line.</translation>
    </message>
    <message>
        <source>Lists the printers the wizard remembers.</source>
        <translation>Lists the printers the wizard remembers.</translation>
    </message>
    <message>
        <source>Lists what the wizard remembers of each printer: its face, its last calibration
and its placement correction, from
~/.config/micr-calibration/printers.ini. It only reads: a damaged file is
said on stderr (with what could be read from it listed) and left where it
is, and the status is 1; the wizard sets it aside when it starts.</source>
        <translation>Lists what the wizard remembers of each printer: its face, its last calibration
and its placement correction, from
~/.config/micr-calibration/printers.ini. It only reads: a damaged file is
said on stderr (with what could be read from it listed) and left where it
is, and the status is 1; the wizard sets it aside when it starts.</translation>
    </message>
    <message>
        <source>one JSON array, an object for each printer (for a damaged file, an object: its problem and the printers that could be read),</source>
        <translation>one JSON array, an object for each printer (for a damaged file, an object: its problem and the printers that could be read),</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>no command &quot;%1&quot;; did you mean &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options]
Writes the MICR calibration page and the placement page exactly as the wizard
prints them, weighs what was measured on them, composes and checks MICR lines
and lists the printers the wizard remembers.

Commands:
%2
Options:
%3
Each command has its own options: %1 COMMAND --help.

Exit status:
%4
Files:
%5
Environment:
%6
Examples:
%7
Older forms, still read as the command they became:
%8</source>
        <translation>Usage: %1 COMMAND [options]
Writes the MICR calibration page and the placement page exactly as the wizard
prints them, weighs what was measured on them, composes and checks MICR lines
and lists the printers the wizard remembers.

Commands:
%2
Options:
%3
Each command has its own options: %1 COMMAND --help.

Exit status:
%4
Files:
%5
Environment:
%6
Examples:
%7
Older forms, still read as the command they became:
%8</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <source>Done: the page written, the readings within tolerance,</source>
        <translation>Done: the page written, the readings within tolerance,</translation>
    </message>
    <message>
        <source>no fault found, the faces installed.</source>
        <translation>no fault found, the faces installed.</translation>
    </message>
    <message>
        <source>The page could not be written, or the answer is no: out</source>
        <translation>The page could not be written, or the answer is no: out</translation>
    </message>
    <message>
        <source>of tolerance, a fault, a face missing.</source>
        <translation>of tolerance, a fault, a face missing.</translation>
    </message>
    <message>
        <source>The command line was refused.</source>
        <translation>The command line was refused.</translation>
    </message>
    <message>
        <source>The printers the wizard</source>
        <translation>The printers the wizard</translation>
    </message>
    <message>
        <source>remembers, read by profiles.</source>
        <translation>remembers, read by profiles.</translation>
    </message>
    <message>
        <source>The folder of printers.ini&apos;s folder, ~/.config by default.</source>
        <translation>The folder of printers.ini&apos;s folder, ~/.config by default.</translation>
    </message>
    <message>
        <source>The language of the text; readings and --json are the same in each.</source>
        <translation>The language of the text; readings and --json are the same in each.</translation>
    </message>
    <message>
        <source>The print server whose printers the profiles are kept</source>
        <translation>The print server whose printers the profiles are kept</translation>
    </message>
    <message>
        <source>for and the shell&apos;s completion offers.</source>
        <translation>for and the shell&apos;s completion offers.</translation>
    </message>
    <message>
        <source>  Write the calibration page for a 1200-dpi printer, on A4:
    %1 page --dpi 1200 --paper a4 -o page.pdf
  Judge the lengths of lines 3 and 5 as measured:
    %1 measure &quot;3=7 1/64,5=182.2 mm&quot;
  Write the placement page for the middle check in Line 4&apos;s face:
    %1 page --page placement --cheque middle --line 4 -o place.pdf
  Judge what was measured on it:
    %1 place bar=7,right=0.32,bottom=0.19 --cheque middle --line 4
  Compose a US MICR line, as JSON:
    %1 line layout=us,routing=021000021,onus=123456789C --json
</source>
        <translation>  Write the calibration page for a 1200-dpi printer, on A4:
    %1 page --dpi 1200 --paper a4 -o page.pdf
  Judge the lengths of lines 3 and 5 as measured:
    %1 measure &quot;3=7 1/64,5=182.2 mm&quot;
  Write the placement page for the middle cheque in Line 4&apos;s face:
    %1 page --page placement --cheque middle --line 4 -o place.pdf
  Judge what was measured on it:
    %1 place bar=7,right=0.32,bottom=0.19 --cheque middle --line 4
  Compose a US MICR line, as JSON:
    %1 line layout=us,routing=021000021,onus=123456789C --json
</translation>
    </message>
    <message>
        <source>Try %1 --help.</source>
        <translation>Try %1 --help.</translation>
    </message>
    <message>
        <source>cannot start a PDF in %1</source>
        <translation>cannot start a PDF in %1</translation>
    </message>
    <message>
        <source>cannot finish the PDF %1: %2</source>
        <translation>cannot finish the PDF %1: %2</translation>
    </message>
    <message>
        <source>%1: a %2 x %3 pixel image is too large; use a lower --dpi or a PDF</source>
        <translation>%1: a %2 x %3 pixel image is too large; use a lower --dpi or a PDF</translation>
    </message>
    <message>
        <source>%1: not enough memory for a %2 x %3 pixel image</source>
        <translation>%1: not enough memory for a %2 x %3 pixel image</translation>
    </message>
    <message>
        <source>cannot encode the image %1: %2</source>
        <translation>cannot encode the image %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installed</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>MICR, standard</source>
        <translation>MICR, standard</translation>
    </message>
    <message>
        <source>MICR, bold</source>
        <translation>MICR, bold</translation>
    </message>
    <message>
        <source>security sample</source>
        <translation>security sample</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 (not installed on this computer: install it before printing checks; see the fonts command)</source>
        <translation>Line %1: %2 (not installed on this computer: install it before printing cheques; see the fonts command)</translation>
    </message>
    <message>
        <source>Not calibrated: %1</source>
        <translation>Not calibrated: %1</translation>
    </message>
    <message>
        <source>no length: face not installed</source>
        <translation>no length: face not installed</translation>
    </message>
    <message>
        <source>%1  predicted</source>
        <translation>%1  predicted</translation>
    </message>
    <message>
        <source>%1  measured</source>
        <translation>%1  measured</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Scale: %1 % of the faces&apos; own widths</source>
        <translation>Scale: %1 % of the faces&apos; own widths</translation>
    </message>
    <message>
        <source>Residual: %1 from 7 in (Line %2)</source>
        <translation>Residual: %1 from 7 in (Line %2)</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict: %1</translation>
    </message>
    <message>
        <source>Type (letters):</source>
        <translation>Type (letters):</translation>
    </message>
    <message>
        <source>Type (punctuation):</source>
        <translation>Type (punctuation):</translation>
    </message>
    <message>
        <source>Device resolution the page is laid out for: N or XxY dots per inch (default 1200, as the wizard prints it).</source>
        <translation>Device resolution the page is laid out for: N or XxY dots per inch (default 1200, as the wizard prints it).</translation>
    </message>
    <message>
        <source>%1 needs READINGS or --scan FILE, not both</source>
        <translation>%1 needs READINGS or --scan FILE, not both</translation>
    </message>
    <message>
        <source>--dpi goes with --scan: it is the scan&apos;s resolution</source>
        <translation>--dpi goes with --scan: it is the scan&apos;s resolution</translation>
    </message>
    <message>
        <source>--dpi takes a resolution in dots per inch, not &quot;%1&quot;</source>
        <translation>--dpi takes a resolution in dots per inch, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Instead of READINGS: take them from a scan of the printed page (PNG, TIFF or JPEG), the paper&apos;s edges showing against a dark lid.</source>
        <translation type="vanished">Instead of READINGS: take them from a scan of the printed page (PNG, TIFF or JPEG), the paper&apos;s edges showing against a dark lid.</translation>
    </message>
    <message>
        <source>With --scan: the scan&apos;s resolution, where the file does not give it.</source>
        <translation>With --scan: the scan&apos;s resolution, where the file does not give it.</translation>
    </message>
    <message>
        <source>Checks a printed check from its scan.</source>
        <translation>Checks a printed cheque from its scan.</translation>
    </message>
    <message>
        <source>Reads the MICR line of a printed check from a scan of the sheet (PNG, TIFF or
JPEG, its edges showing against a dark lid): each character recognised against
the face&apos;s own shapes, its position, its right edge and bottom from the check&apos;s
edges, the pitch, skew and bar width, and every mark in the clear band. Exits
with 0 within every tolerance, 1 otherwise or for a scan of the wrong thing, 2
for a file that cannot be taken as a scan.</source>
        <translation type="vanished">Reads the MICR line of a printed cheque from a scan of the sheet (PNG, TIFF or
JPEG, its edges showing against a dark lid): each character recognised against
the face&apos;s own shapes, its position, its right edge and bottom from the cheque&apos;s
edges, the pitch, skew and bar width, and every mark in the clear band. Exits
with 0 within every tolerance, 1 otherwise or for a scan of the wrong thing, 2
for a file that cannot be taken as a scan.</translation>
    </message>
    <message>
        <source>The scan: PNG, TIFF or JPEG.</source>
        <translation type="vanished">The scan: PNG, TIFF or JPEG.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>no answer within %1 s</translation>
    </message>
    <message>
        <source>the scan helper stopped (out of memory?)</source>
        <translation>the scan helper stopped (out of memory?)</translation>
    </message>
    <message>
        <source>Weighs the lengths measured on a printed calibration page and names the line
whose face prints the MICR line at 7 inches. Prints &quot;Line N: FACE&quot; when a
face is within tolerance, otherwise &quot;Not calibrated: REASON&quot;, then every
line&apos;s length, the residual and the verdict. Exits with 0 for good or
marginal, 1 when not calibrated.
With --scan the lengths are measured on a scan of the page (PNG, TIFF, JPEG
or a PDF holding one image), each from its first mark to its last, at the
scan&apos;s resolution, which a scanner keeps to about 0.2 %: each length is
given with its uncertainty, a line whose verdict it leaves open is said to
be undecided, and only an answer usable within it exits with 0. One line&apos;s
length read with a ruler (--ruler) sets the scale instead. A scan that
cannot be read exits with 2, a scan of another page with 1.</source>
        <translation>Weighs the lengths measured on a printed calibration page and names the line
whose face prints the MICR line at 7 inches. Prints &quot;Line N: FACE&quot; when a
face is within tolerance, otherwise &quot;Not calibrated: REASON&quot;, then every
line&apos;s length, the residual and the verdict. Exits with 0 for good or
marginal, 1 when not calibrated.
With --scan the lengths are measured on a scan of the page (PNG, TIFF, JPEG
or a PDF holding one image), each from its first mark to its last, at the
scan&apos;s resolution, which a scanner keeps to about 0.2 %: each length is
given with its uncertainty, a line whose verdict it leaves open is said to
be undecided, and only an answer usable within it exits with 0. One line&apos;s
length read with a ruler (--ruler) sets the scale instead. A scan that
cannot be read exits with 2, a scan of another page with 1.</translation>
    </message>
    <message>
        <source>--%1 goes with --scan</source>
        <translation>--%1 goes with --scan</translation>
    </message>
    <message>
        <source>the ruler reading %1 is more than %2 % from line %3&apos;s length on the scan, %4: is it of another line, or misread?</source>
        <translation>the ruler reading %1 is more than %2 % from line %3&apos;s length on the scan, %4: is it of another line, or misread?</translation>
    </message>
    <message>
        <source>--ruler takes one line&apos;s length, LINE=LENGTH, not &quot;%1&quot;</source>
        <translation>--ruler takes one line&apos;s length, LINE=LENGTH, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Instead of READINGS: measure the lines on a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</source>
        <translation>Instead of READINGS: measure the lines on a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</translation>
    </message>
    <message>
        <source>With --scan: one line&apos;s length read with a ruler, as LINE=LENGTH (&quot;3=7 1/64&quot;), to set the scanner&apos;s scale.</source>
        <translation>With --scan: one line&apos;s length read with a ruler, as LINE=LENGTH (&quot;3=7 1/64&quot;), to set the scanner&apos;s scale.</translation>
    </message>
    <message>
        <source>Instead of READINGS: take them from a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</source>
        <translation>Instead of READINGS: take them from a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</translation>
    </message>
    <message>
        <source>Reads the MICR line of a printed check from a scan of the sheet (PNG, TIFF,
JPEG or a one-image PDF, its edges showing against a dark lid): each character
recognised against the face&apos;s own shapes, its position, its right edge and
bottom from the check&apos;s edges, the pitch, skew and bar width, and every mark in
the clear band. Exits with 0 within every tolerance, 1 otherwise or for a scan
of the wrong thing, 2 for a file that cannot be taken as a scan.</source>
        <translation>Reads the MICR line of a printed cheque from a scan of the sheet (PNG, TIFF,
JPEG or a one-image PDF, its edges showing against a dark lid): each character
recognised against the face&apos;s own shapes, its position, its right edge and
bottom from the cheque&apos;s edges, the pitch, skew and bar width, and every mark in
the clear band. Exits with 0 within every tolerance, 1 otherwise or for a scan
of the wrong thing, 2 for a file that cannot be taken as a scan.</translation>
    </message>
    <message>
        <source>The scan: PNG, TIFF, JPEG or a PDF of one image.</source>
        <translation>The scan: PNG, TIFF, JPEG or a PDF of one image.</translation>
    </message>
</context>
<context>
    <name>MicrApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <translation>An unexpected error occurred</translation>
    </message>
    <message>
        <source>MICR System Calibration</source>
        <translation>MICR System Calibration</translation>
    </message>
</context>
<context>
    <name>MicrLinePreview</name>
    <message>
        <source>The MICR line on the position scale</source>
        <translation>The MICR line on the position scale</translation>
    </message>
    <message>
        <source>%1 at positions %2 to %3</source>
        <translation>%1 at positions %2 to %3</translation>
    </message>
</context>
<context>
    <name>PlacementPage</name>
    <message>
        <source>top edge of the check</source>
        <translation>top edge of the cheque</translation>
    </message>
    <message>
        <source>bottom edge of the top check (the perforation)</source>
        <translation>bottom edge of the top cheque (the perforation)</translation>
    </message>
    <message>
        <source>bottom edge of the middle check (the perforation)</source>
        <translation>bottom edge of the middle cheque (the perforation)</translation>
    </message>
    <message>
        <source>bottom edge of the bottom check (the perforation)</source>
        <translation>bottom edge of the bottom cheque (the perforation)</translation>
    </message>
    <message>
        <source>MICR placement test page: top check of three</source>
        <translation>MICR placement test page: top cheque of three</translation>
    </message>
    <message>
        <source>MICR placement test page: middle check of three</source>
        <translation>MICR placement test page: middle cheque of three</translation>
    </message>
    <message>
        <source>MICR placement test page: bottom check of three</source>
        <translation>MICR placement test page: bottom cheque of three</translation>
    </message>
    <message>
        <source>Stock: %1. MICR line in %2 (Line %3) at 10 points.</source>
        <translation>Stock: %1. MICR line in %2 (Line %3) at 10 points.</translation>
    </message>
    <message>
        <source>3. On check stock, bottom: from the paper&apos;s bottom edge (where the check ends) up to the baseline rule under the MICR line (%1 in).</source>
        <translation>3. On cheque stock, bottom: from the paper&apos;s bottom edge (where the cheque ends) up to the baseline rule under the MICR line (%1 in).</translation>
    </message>
    <message>
        <source>3. On check stock, bottom: from the check&apos;s bottom edge (the perforation) up to the baseline rule under the MICR line (%1 in).</source>
        <translation>3. On cheque stock, bottom: from the cheque&apos;s bottom edge (the perforation) up to the baseline rule under the MICR line (%1 in).</translation>
    </message>
    <message>
        <source>Print at 100 % (no &quot;fit to page&quot;) on your check stock, or on plain paper.</source>
        <translation>Print at 100 % (no &quot;fit to page&quot;) on your cheque stock, or on plain paper.</translation>
    </message>
    <message>
        <source>1. bar: the reference bar from its first tick to its last (7.000 in); vertical bar: the bar at the left, top tick to bottom tick (2.000 in).</source>
        <translation>1. bar: the reference bar from its first tick to its last (7.000 in); vertical bar: the bar at the left, top tick to bottom tick (2.000 in).</translation>
    </message>
    <message>
        <source>2. right: from the paper&apos;s right edge to the long tick where position 1 ends, at the MICR line&apos;s right end (%1 in).</source>
        <translation>2. right: from the paper&apos;s right edge to the long tick where position 1 ends, at the MICR line&apos;s right end (%1 in).</translation>
    </message>
    <message>
        <source>    On plain paper, top: from the paper&apos;s top edge down to the baseline rule (%1 in).</source>
        <translation>    On plain paper, top: from the paper&apos;s top edge down to the baseline rule (%1 in).</translation>
    </message>
    <message>
        <source>4. Type the readings into the placement window of MICR calibration (step 3).</source>
        <translation>4. Type the readings into the placement window of MICR calibration (step 3).</translation>
    </message>
    <message>
        <source>Each MICR character should stand in its numbered cell of the scale under the MICR line.</source>
        <translation>Each MICR character should stand in its numbered cell of the scale under the MICR line.</translation>
    </message>
    <message>
        <source>Each MICR character should stand in its cell of the scale under the MICR line, counted from position 1 at the long tick.</source>
        <translation>Each MICR character should stand in its cell of the scale under the MICR line, counted from position 1 at the long tick.</translation>
    </message>
    <message>
        <source>Reference bar: 7.000 in from the first tick to the last</source>
        <translation>Reference bar: 7.000 in from the first tick to the last</translation>
    </message>
    <message>
        <source>Vertical bar, at the left: 2.000 in from the top tick to the bottom tick</source>
        <translation>Vertical bar, at the left: 2.000 in from the top tick to the bottom tick</translation>
    </message>
    <message>
        <source>This page carries the correction %1</source>
        <translation>This page carries the correction %1</translation>
    </message>
    <message>
        <source>MICR clear band (the bottom 5/8 in): nothing but the MICR line below this rule</source>
        <translation>MICR clear band (the bottom 5/8 in): nothing but the MICR line below this rule</translation>
    </message>
    <message>
        <source>MICR print band: its lower rule is the baseline</source>
        <translation>MICR print band: its lower rule is the baseline</translation>
    </message>
    <message>
        <source>position 1 ends at the long tick below the baseline</source>
        <translation>position 1 ends at the long tick below the baseline</translation>
    </message>
    <message>
        <source>the 7-inch reference bar</source>
        <translation>the 7-inch reference bar</translation>
    </message>
    <message>
        <source>the 2-inch vertical bar</source>
        <translation>the 2-inch vertical bar</translation>
    </message>
    <message>
        <source>position 1&apos;s long tick</source>
        <translation>position 1&apos;s long tick</translation>
    </message>
    <message>
        <source>the baseline rule under the MICR line</source>
        <translation>the baseline rule under the MICR line</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Pages per sheet: %1. The page is printed one to a sheet, at its own size.</source>
        <translation>Pages per sheet: %1. The page is printed one to a sheet, at its own size.</translation>
    </message>
    <message>
        <source>Page set: %1. The page is printed whatever the page set.</source>
        <translation>Page set: %1. The page is printed whatever the page set.</translation>
    </message>
    <message>
        <source>Mirror: %1. The page is printed unmirrored, so that it reads as drawn.</source>
        <translation>Mirror: %1. The page is printed unmirrored, so that it reads as drawn.</translation>
    </message>
    <message>
        <source>Orientation: %1. The page is printed upright (portrait).</source>
        <translation>Orientation: %1. The page is printed upright (portrait).</translation>
    </message>
    <message>
        <source>Fit to page: %1. The page is printed at 100 %.</source>
        <translation>Fit to page: %1. The page is printed at 100 %.</translation>
    </message>
    <message>
        <source>Scaling: %1. The page is printed at 100 %.</source>
        <translation>Scaling: %1. The page is printed at 100 %.</translation>
    </message>
    <message>
        <source>The page is measured with a ruler, so it must print exactly as drawn.</source>
        <translation>The page is measured with a ruler, so it must print exactly as drawn.</translation>
    </message>
    <message>
        <source>Pages: %1 to %2. The document is one page, printed whole.</source>
        <translation>Pages: %1 to %2. The document is one page, printed whole.</translation>
    </message>
    <message>
        <source>Orientation: landscape. The page is printed upright (portrait).</source>
        <translation>Orientation: landscape. The page is printed upright (portrait).</translation>
    </message>
    <message>
        <source>Paper: %1. The page is laid out on the printer&apos;s own paper, %2, so that nothing scales it.</source>
        <translation>Paper: %1. The page is laid out on the printer&apos;s own paper, %2, so that nothing scales it.</translation>
    </message>
    <message>
        <source>The print system (CUPS) cannot be reached at %1. Start it, then print the calibration page again</source>
        <translation>The print system (CUPS) cannot be reached at %1. Start it, then print the calibration page again</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist any more. Choose another printer</source>
        <translation>The printer &quot;%1&quot; does not exist any more. Choose another printer</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs. Ask whoever runs it to let it accept jobs, or choose another printer</source>
        <translation>The printer &quot;%1&quot; is not accepting jobs. Ask whoever runs it to let it accept jobs, or choose another printer</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so the page would wait in its queue. Resume the printer, or choose another one</source>
        <translation>The printer &quot;%1&quot; is stopped, so the page would wait in its queue. Resume the printer, or choose another one</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>These MICR fonts are not installed: %1.</source>
        <translation>These MICR fonts are not installed: %1.</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Print Anyway</translation>
    </message>
    <message>
        <source>The page is printed exactly as drawn, so these print dialog choices are not used:</source>
        <translation>The page is printed exactly as drawn, so these print dialog choices are not used:</translation>
    </message>
    <message>
        <source>Cannot print the %1 on &quot;%2&quot;: the printer did not accept the job</source>
        <translation>Cannot print the %1 on &quot;%2&quot;: the printer did not accept the job</translation>
    </message>
    <message>
        <source>The %1 could not be sent to the printer</source>
        <translation>The %1 could not be sent to the printer</translation>
    </message>
    <message>
        <source>The page is laid out for the stock: print it on %1 paper, or cancel and choose the stock that is on the printer&apos;s paper.</source>
        <translation>The page is laid out for the stock: print it on %1 paper, or cancel and choose the stock that is on the printer&apos;s paper.</translation>
    </message>
    <message>
        <source>Print on %1</source>
        <translation>Print on %1</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, but the stock chosen (%2) is on %3 paper.</source>
        <translation>The printer&apos;s paper is %1, but the stock chosen (%2) is on %3 paper.</translation>
    </message>
    <message>
        <source>MICR placement page</source>
        <translation>MICR placement page</translation>
    </message>
    <message>
        <source>placement page</source>
        <translation>placement page</translation>
    </message>
    <message>
        <source>calibration page</source>
        <translation>calibration page</translation>
    </message>
    <message>
        <source>Their sample lines would be printed in another font and cannot be measured. Install the MICR fonts, then print the calibration page again.</source>
        <translation>Their sample lines would be printed in another font and cannot be measured. Install the MICR fonts, then print the calibration page again.</translation>
    </message>
    <message>
        <source>This printer leaves %1 in unprinted at the left, %2 in at the top, %3 in at the right and %4 in at the bottom: it would cut %5.</source>
        <translation>This printer leaves %1 in unprinted at the left, %2 in at the top, %3 in at the right and %4 in at the bottom: it would cut %5.</translation>
    </message>
    <message>
        <source>What is cut cannot be measured. Choose the printer&apos;s smaller margins or its &quot;edge to edge&quot; setting in the print dialog&apos;s properties, or another printer, then print again.</source>
        <translation>What is cut cannot be measured. Choose the printer&apos;s smaller margins or its &quot;edge to edge&quot; setting in the print dialog&apos;s properties, or another printer, then print again.</translation>
    </message>
</context>
<context>
    <name>PrinterProfiles</name>
    <message>
        <source>cannot write the printer profiles to %1</source>
        <translation>cannot write the printer profiles to %1</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
</context>
<context>
    <name>ReadingFields</name>
    <message>
        <source>&quot;%1&quot; could be read as thousands: type %2.</source>
        <translation>&quot;%1&quot; could be read as thousands: type %2.</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Measure from the left edge of the first mark to the left edge of the last.</source>
        <translation>Measure from the left edge of the first mark to the left edge of the last.</translation>
    </message>
    <message>
        <source>Measure the reference bar from its first tick to its last.</source>
        <translation>Measure the reference bar from its first tick to its last.</translation>
    </message>
    <message>
        <source>Measure the vertical bar from its top tick to its bottom tick.</source>
        <translation>Measure the vertical bar from its top tick to its bottom tick.</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s right edge to the line that marks where position 1 ends.</source>
        <translation>Measure from the paper&apos;s right edge to the line that marks where position 1 ends.</translation>
    </message>
    <message>
        <source>Measure from the check&apos;s bottom edge up to the MICR line&apos;s baseline rule; where the baseline lies below the check&apos;s bottom edge, measure from the paper&apos;s top edge down to it instead (the top reading).</source>
        <translation>Measure from the cheque&apos;s bottom edge up to the MICR line&apos;s baseline rule; where the baseline lies below the cheque&apos;s bottom edge, measure from the paper&apos;s top edge down to it instead (the top reading).</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s top edge down to the MICR line&apos;s baseline rule; a reading past the paper&apos;s bottom edge was taken on something else.</source>
        <translation>Measure from the paper&apos;s top edge down to the MICR line&apos;s baseline rule; a reading past the paper&apos;s bottom edge was taken on something else.</translation>
    </message>
    <message>
        <source>Type the length you measured.</source>
        <translation>Type the length you measured.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type inches (7.06, 7 1/16, 7.06 in) or millimeters (179.3 mm).</source>
        <translation>&quot;%1&quot; is not a length: type inches (7.06, 7 1/16, 7.06 in) or millimetres (179.3 mm).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: the fraction after a whole number is less than one (7 1/16).</source>
        <translation>&quot;%1&quot; is not a length: the fraction after a whole number is less than one (7 1/16).</translation>
    </message>
    <message>
        <source>A length cannot be negative. %1</source>
        <translation>A length cannot be negative. %1</translation>
    </message>
    <message>
        <source>A length must be more than zero.</source>
        <translation>A length must be more than zero.</translation>
    </message>
    <message>
        <source> Did you mean %1 mm?</source>
        <translation> Did you mean %1 mm?</translation>
    </message>
    <message>
        <source>%1 is %2: a reading here is between %3 and %4 in.%5 %6</source>
        <translation>%1 is %2: a reading here is between %3 and %4 in.%5 %6</translation>
    </message>
    <message>
        <source>Measure one check from its top edge to its bottom edge.</source>
        <translation>Measure one cheque from its top edge to its bottom edge.</translation>
    </message>
    <message>
        <source>Measure the check from its left edge to its right edge.</source>
        <translation>Measure the cheque from its left edge to its right edge.</translation>
    </message>
    <message>
        <source>takes %1, not &quot;%2&quot;</source>
        <translation>takes %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a reading&apos;s name and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</source>
        <translation>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: see the profiles command</source>
        <translation>no printer &quot;%1&quot; is remembered: see the profiles command</translation>
    </message>
    <message>
        <source>The printer the check was printed on, by its CUPS queue: its face is the one recognised. Without it, --line N.</source>
        <translation>The printer the cheque was printed on, by its CUPS queue: its face is the one recognised. Without it, --line N.</translation>
    </message>
    <message>
        <source>Without --printer: the line is in --line&apos;s bold face.</source>
        <translation>Without --printer: the line is in --line&apos;s bold face.</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>one JSON object</translation>
    </message>
    <message>
        <source>The scan&apos;s resolution, where the file does not give it.</source>
        <translation>The scan&apos;s resolution, where the file does not give it.</translation>
    </message>
</context>
<context>
    <name>ScanDeviceDialog</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Scan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Scann&amp;er:</source>
        <translation>Scann&amp;er:</translation>
    </message>
    <message>
        <source>Resol&amp;ution:</source>
        <translation>Resol&amp;ution:</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Looking for scanners...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Cancelling...</translation>
    </message>
    <message>
        <source>Put the sheet face down on the glass, then press Scan.</source>
        <translation>Put the sheet face down on the glass, then press Scan.</translation>
    </message>
    <message>
        <source>No scanner found. Check that the scanner is on and connected, then press Refresh.</source>
        <translation>No scanner found. Check that the scanner is on and connected, then press Refresh.</translation>
    </message>
    <message>
        <source>The scanner %1 is no longer there. Press Refresh to look again.</source>
        <translation>The scanner %1 is no longer there. Press Refresh to look again.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until the other program has finished with it, then scan again.</source>
        <translation>The scanner is busy. Wait until the other program has finished with it, then scan again.</translation>
    </message>
    <message>
        <source>Scan canceled.</source>
        <translation>Scan cancelled.</translation>
    </message>
    <message>
        <source>The scanner did not answer in time (%1 s).</source>
        <translation>The scanner did not answer in time (%1 s).</translation>
    </message>
    <message>
        <source>Scanning is not installed: micr-calibration-scan was not found.</source>
        <translation>Scanning is not installed: micr-calibration-scan was not found.</translation>
    </message>
    <message>
        <source>The scan stopped unexpectedly (the scanner&apos;s driver failed or memory ran out).</source>
        <translation>The scan stopped unexpectedly (the scanner&apos;s driver failed or memory ran out).</translation>
    </message>
    <message>
        <source>The scan could not be saved: %1</source>
        <translation>The scan could not be saved: %1</translation>
    </message>
    <message>
        <source>The scanner reported a problem: %1</source>
        <translation>The scanner reported a problem: %1</translation>
    </message>
</context>
<context>
    <name>ScanPictureDialog</name>
    <message>
        <source>The MICR line&apos;s part of the scan, with what was found</source>
        <translation>The MICR line&apos;s part of the scan, with what was found</translation>
    </message>
    <message>
        <source>The whole scan, with what was found</source>
        <translation>The whole scan, with what was found</translation>
    </message>
    <message>
        <source>The paper&apos;s edges</source>
        <translation>The paper&apos;s edges</translation>
    </message>
    <message>
        <source>The readings taken</source>
        <translation>The readings taken</translation>
    </message>
    <message>
        <source>The position cells, at the scale measured</source>
        <translation>The position cells, at the scale measured</translation>
    </message>
    <message>
        <source>Each character&apos;s box</source>
        <translation>Each character&apos;s box</translation>
    </message>
    <message>
        <source>The baseline through the characters</source>
        <translation>The baseline through the characters</translation>
    </message>
    <message>
        <source>Other marks in the clear band</source>
        <translation>Other marks in the clear band</translation>
    </message>
    <message>
        <source>Scan: %1</source>
        <translation>Scan: %1</translation>
    </message>
    <message>
        <source>Opening the scan...</source>
        <translation>Opening the scan...</translation>
    </message>
    <message>
        <source>The scan cannot be shown.</source>
        <translation>The scan cannot be shown.</translation>
    </message>
</context>
<context>
    <name>ScanProgress</name>
    <message>
        <source>Cancel Measuring</source>
        <translation>Cancel Measuring</translation>
    </message>
    <message>
        <source>Stops measuring the scan; the readings stay as they were</source>
        <translation>Stops measuring the scan; the readings stay as they were</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Measuring %1...</translation>
    </message>
</context>
<context>
    <name>ScanSource</name>
    <message>
        <source>Open a Scan</source>
        <translation>Open a Scan</translation>
    </message>
    <message>
        <source>Scans (*.png *.tif *.tiff *.jpg *.jpeg *.pdf);;PNG (*.png);;TIFF (*.tif *.tiff);;JPEG (*.jpg *.jpeg);;PDF (*.pdf);;All files (*)</source>
        <translation>Scans (*.png *.tif *.tiff *.jpg *.jpeg *.pdf);;PNG (*.png);;TIFF (*.tif *.tiff);;JPEG (*.jpg *.jpeg);;PDF (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Open Image...</source>
        <translation>&amp;Open Image...</translation>
    </message>
    <message>
        <source>Measure a scan saved to a file</source>
        <translation>Measure a scan saved to a file</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Scan...</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>Writes your check program&apos;s settings for the MICR line.</source>
        <translation>Writes your cheque program&apos;s settings for the MICR line.</translation>
    </message>
    <message>
        <source>Writes what your check program needs, in its own keys and units, for the MICR
line to land 5/16 in from the check&apos;s right edge and 3/16 in above its bottom
edge on this printer: FreeCheck&apos;s [Global] keys, a GnuCash check format
(.chk) or Odoo&apos;s check margins. The face and correction are those the wizard
remembers for --printer, or the face of --line with no correction. Written to
stdout, or whole to -o FILE, with where it goes in its comments. Exits with 0
when written, 1 when it could not be (said on stderr).</source>
        <translation>Writes what your cheque program needs, in its own keys and units, for the MICR
line to land 5/16 in from the cheque&apos;s right edge and 3/16 in above its bottom
edge on this printer: FreeCheck&apos;s [Global] keys, a GnuCash check format
(.chk) or Odoo&apos;s cheque margins. The face and correction are those the wizard
remembers for --printer, or the face of --line with no correction. Written to
stdout, or whole to -o FILE, with where it goes in its comments. Exits with 0
when written, 1 when it could not be (said on stderr).</translation>
    </message>
    <message>
        <source>freecheck, gnucash or odoo.</source>
        <translation>freecheck, gnucash or odoo.</translation>
    </message>
    <message>
        <source>%1 is for freecheck, gnucash or odoo, not &quot;%2&quot;</source>
        <translation>%1 is for freecheck, gnucash or odoo, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--printer brings its own face: give --printer or --line, not both</source>
        <translation>--printer brings its own face: give --printer or --line, not both</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: print a page on it from the wizard first, or give --line N for the face alone (the profiles command lists the printers)</source>
        <translation>no printer &quot;%1&quot; is remembered: print a page on it from the wizard first, or give --line N for the face alone (the profiles command lists the printers)</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>could not write %1: %2</translation>
    </message>
    <message>
        <source>With --line: its bold face.</source>
        <translation>With --line: its bold face.</translation>
    </message>
    <message>
        <source>A printer the wizard remembers (its CUPS queue): its face and its placement correction.</source>
        <translation>A printer the wizard remembers (its CUPS queue): its face and its placement correction.</translation>
    </message>
    <message>
        <source>Your MICR line, as the line command takes it (default: the one last composed for --printer); GnuCash&apos;s format prints it character by character, and it tells FreeCheck and Odoo where the transit symbol and the line&apos;s left end stand.</source>
        <translation>Your MICR line, as the line command takes it (default: the one last composed for --printer); GnuCash&apos;s format prints it character by character, and it tells FreeCheck and Odoo where the transit symbol and the line&apos;s left end stand.</translation>
    </message>
    <message>
        <source>Writes the settings to FILE, whole or not at all, instead of stdout.</source>
        <translation>Writes the settings to FILE, whole or not at all, instead of stdout.</translation>
    </message>
</context>
<context>
    <name>ShellLauncher</name>
    <message>
        <source>a web browser (for example firefox-esr or chromium)</source>
        <translation>a web browser (for example firefox-esr or chromium)</translation>
    </message>
    <message>
        <source>a CHM help viewer (for example xchm or kchmviewer)</source>
        <translation>a CHM help viewer (for example xchm or kchmviewer)</translation>
    </message>
    <message>
        <source>a PDF viewer (for example evince, okular or atril)</source>
        <translation>a PDF viewer (for example evince, okular or atril)</translation>
    </message>
    <message>
        <source>an application that opens %1 files</source>
        <translation>an application that opens %1 files</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opened it. Install %1, or open it yourself:
%2</source>
        <translation>Nothing on this desktop opened it. Install %1, or open it yourself:
%2</translation>
    </message>
    <message>
        <source>xdg-open, which hands files and addresses to the desktop, is missing. Install xdg-utils, or open it yourself:
%1</source>
        <translation>xdg-open, which hands files and addresses to the desktop, is missing. Install xdg-utils, or open it yourself:
%1</translation>
    </message>
    <message>
        <source>It is neither in the working folder nor in the program&apos;s data folder (%1). Reinstall the program.</source>
        <translation>It is neither in the working folder nor in the program&apos;s data folder (%1). Reinstall the program.</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>none found</translation>
    </message>
    <message>
        <source>No application on this desktop opens %1 files. Install %2.</source>
        <translation>No application on this desktop opens %1 files. Install %2.</translation>
    </message>
</context>
<context>
    <name>TChequeFile</name>
    <message>
        <source>Cheque File</source>
        <translation type="obsolete">Cheque File</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>3.5 in on Letter, 99 mm on A4</source>
        <translation>3.5 in on Letter, 99 mm on A4</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>P&amp;rinter:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>What was found: the face, the size, the line&apos;s positions, where it lands, how far to move it, and every fault</source>
        <translation>What was found: the face, the size, the line&apos;s positions, where it lands, how far to move it, and every fault</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Save these settings to a file, under the name the program expects</source>
        <translation>Save these settings to a file, under the name the program expects</translation>
    </message>
    <message>
        <source>Save the settings</source>
        <translation>Save the settings</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Copy these settings to the clipboard</source>
        <translation>Copy these settings to the clipboard</translation>
    </message>
    <message>
        <source>Copy the settings</source>
        <translation>Copy the settings</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;py</translation>
    </message>
    <message>
        <source>The settings for the chosen program, with where they go and what they assume</source>
        <translation>The settings for the chosen program, with where they go and what they assume</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Check &amp;Again</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Close this window</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Check File</source>
        <translation>Cheque File</translation>
    </message>
    <message>
        <source>Print one check from your check-printing program to a file (PDF, or PostScript), and choose it here: the MICR line is read from it and checked against this printer, where it will land and what else stands in the clear band. F1 opens the help.</source>
        <translation>Print one cheque from your cheque-printing program to a file (PDF, or PostScript), and choose it here: the MICR line is read from it and checked against this printer, where it will land and what else stands in the clear band. F1 opens the help.</translation>
    </message>
    <message>
        <source>The check your check-printing program printed to a file: PDF, or PostScript (read with Ghostscript)</source>
        <translation>The cheque your cheque-printing program printed to a file: PDF, or PostScript (read with Ghostscript)</translation>
    </message>
    <message>
        <source>Check file</source>
        <translation>Cheque file</translation>
    </message>
    <message>
        <source>A PDF or PostScript file of one check</source>
        <translation>A PDF or PostScript file of one cheque</translation>
    </message>
    <message>
        <source>Choose the check file</source>
        <translation>Choose the cheque file</translation>
    </message>
    <message>
        <source>Browse for the check file</source>
        <translation>Browse for the cheque file</translation>
    </message>
    <message>
        <source>&amp;Check:</source>
        <translation>&amp;Cheque:</translation>
    </message>
    <message>
        <source>Which check of 3-up stock the file prints: the MICR line is looked for on it</source>
        <translation>Which cheque of 3-up stock the file prints: the MICR line is looked for on it</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Check &amp;height:</source>
        <translation>Cheque &amp;height:</translation>
    </message>
    <message>
        <source>The height of one check of the stock; empty for 3.5 in on Letter and 99 mm on A4</source>
        <translation>The height of one cheque of the stock; empty for 3.5 in on Letter and 99 mm on A4</translation>
    </message>
    <message>
        <source>Check height</source>
        <translation>Cheque height</translation>
    </message>
    <message>
        <source>The printer the check will be printed on: its calibrated face and its measured placement</source>
        <translation>The printer the cheque will be printed on: its calibrated face and its measured placement</translation>
    </message>
    <message>
        <source>Settings for your check pro&amp;gram:</source>
        <translation>Settings for your cheque pro&amp;gram:</translation>
    </message>
    <message>
        <source>The program you print checks with: its settings for this printer&apos;s face and placement, the check chosen and the MICR line remembered with the printer</source>
        <translation>The program you print cheques with: its settings for this printer&apos;s face and placement, the cheque chosen and the MICR line remembered with the printer</translation>
    </message>
    <message>
        <source>Check program</source>
        <translation>Cheque program</translation>
    </message>
    <message>
        <source>Read the file again, after printing the check to it once more</source>
        <translation>Read the file again, after printing the cheque to it once more</translation>
    </message>
    <message>
        <source>The check, with the MICR line where it lands</source>
        <translation>The cheque, with the MICR line where it lands</translation>
    </message>
    <message>
        <source>The check with its clear band (grey): the standard&apos;s cells along the baseline in green, the file&apos;s MICR line where it lands on this printer in blue, anything out of place in red</source>
        <translation>The cheque with its clear band (grey): the standard&apos;s cells along the baseline in green, the file&apos;s MICR line where it lands on this printer in blue, anything out of place in red</translation>
    </message>
    <message>
        <source>No remembered printer: Line %1&apos;s face, %2, at 100 %</source>
        <translation>No remembered printer: Line %1&apos;s face, %2, at 100 %</translation>
    </message>
    <message>
        <source>%1: Line %2, %3, placement measured %4</source>
        <translation>%1: Line %2, %3, placement measured %4</translation>
    </message>
    <message>
        <source>%1: Line %2, %3</source>
        <translation>%1: Line %2, %3</translation>
    </message>
    <message>
        <source>Check files (*.pdf *.ps);;All files (*)</source>
        <translation>Cheque files (*.pdf *.ps);;All files (*)</translation>
    </message>
    <message>
        <source>Check height: %1</source>
        <translation>Cheque height: %1</translation>
    </message>
    <message>
        <source>The printer&apos;s face is not installed, so its scale is unknown: install the MICR fonts (see the help page &quot;When fonts are missing&quot;).</source>
        <translation>The printer&apos;s face is not installed, so its scale is unknown: install the MICR fonts (see the help page &quot;When fonts are missing&quot;).</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a cheque file that cannot be read: why</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Choose the file your check-printing program printed one check to.</source>
        <translation>Choose the file your cheque-printing program printed one cheque to.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Save %1 Settings</source>
        <translation>Save %1 Settings</translation>
    </message>
    <message>
        <source>*.%1;;All files (*)</source>
        <translation>*.%1;;All files (*)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Reading the file...</translation>
    </message>
    <message>
        <source>Cancel Reading</source>
        <translation>Cancel Reading</translation>
    </message>
    <message>
        <source>Stops reading the file</source>
        <translation>Stops reading the file</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>Check a printed check from a scan of it, as a MICR gauge would: the sheet whole, its edges showing against a dark lid</source>
        <translation>Check a printed cheque from a scan of it, as a MICR gauge would: the sheet whole, its edges showing against a dark lid</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>Fro&amp;m Scan...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1, gauged in %2:</source>
        <comment>a scan&apos;s file, the face</comment>
        <translation>%1, gauged in %2:</translation>
    </message>
</context>
<context>
    <name>TConnect</name>
    <message>
        <source>How to order Tolvane MICR Font Set</source>
        <translation>How to order Tolvane MICR Font Set</translation>
    </message>
    <message>
        <source>The boxed MICR Font Set</source>
        <translation>The boxed MICR Font Set</translation>
    </message>
    <message>
        <source>When you order you can select to download the</source>
        <translation>When you order you can select to download the</translation>
    </message>
    <message>
        <source>software, have it sent as boxed software, or both.</source>
        <translation>software, have it sent as boxed software, or both.</translation>
    </message>
    <message>
        <source>To purchase, make sure you are connected to the</source>
        <translation>To purchase, make sure you are connected to the</translation>
    </message>
    <message>
        <source>internet and click the Buy Now button below. This</source>
        <translation>internet and click the Buy Now button below. This</translation>
    </message>
    <message>
        <source>will take you to our web site order page. You can</source>
        <translation>will take you to our web site order page. You can</translation>
    </message>
    <message>
        <source>also print an order form and email, fax, or mail it to</source>
        <translation>also print an order form and email, fax, or mail it to</translation>
    </message>
    <message>
        <source>us. Press Exit to quit.</source>
        <translation>us. Press Exit to quit.</translation>
    </message>
    <message>
        <source>Orders: %1</source>
        <extracomment>%1: the vendor&apos;s order phone number</extracomment>
        <translation>Orders: %1</translation>
    </message>
    <message>
        <source>Go online and purchase the software now (Alt+O)</source>
        <translation>Go online and purchase the software now (Alt+O)</translation>
    </message>
    <message>
        <source>Buy Now Online</source>
        <translation>Buy Now Online</translation>
    </message>
    <message>
        <source>Print a copy of our pdf order form (Alt+P)</source>
        <translation>Print a copy of our pdf order form (Alt+P)</translation>
    </message>
    <message>
        <source>Print an Order Form</source>
        <translation>Print an Order Form</translation>
    </message>
    <message>
        <source>Return back to the utility program (Esc)</source>
        <translation>Return back to the utility program (Esc)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>A hand writing a cheque</source>
        <translation type="vanished">A hand writing a cheque</translation>
    </message>
    <message>
        <source>About this program (Alt+A)</source>
        <translation>About this program (Alt+A)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Printers: the face and correction remembered for each printer (Alt+R)</source>
        <translation>Printers: the face and correction remembered for each printer (Alt+R)</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Always use these fonts unless your magnetic toner signal strength is low</source>
        <translation>Always use these fonts unless your magnetic toner signal strength is low</translation>
    </message>
    <message>
        <source>Standard MICR fonts</source>
        <translation>Standard MICR fonts</translation>
    </message>
    <message>
        <source>ONLY use these fonts when your toner signal strength is low</source>
        <translation>ONLY use these fonts when your toner signal strength is low</translation>
    </message>
    <message>
        <source>Bold MICR fonts</source>
        <translation>Bold MICR fonts</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Line 5</translation>
    </message>
    <message>
        <source>Show the MICR check position gauge instructions</source>
        <translation>Show the MICR cheque position gauge instructions</translation>
    </message>
    <message>
        <source>Check Gauge Instructions</source>
        <translation>Cheque Gauge Instructions</translation>
    </message>
    <message>
        <source>Type the lengths you measured on the calibration page: the program picks the line and says how close it comes to 7 inches</source>
        <translation>Type the lengths you measured on the calibration page: the program picks the line and says how close it comes to 7 inches</translation>
    </message>
    <message>
        <source>Enter &amp;Measurements...</source>
        <translation>Enter &amp;Measurements...</translation>
    </message>
    <message>
        <source>Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</source>
        <translation type="vanished">Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</translation>
    </message>
    <message>
        <source>Check P&amp;lacement...</source>
        <translation>Check P&amp;lacement...</translation>
    </message>
    <message>
        <source>Compose your own MICR line from your bank&apos;s details, check it against the standard&apos;s fields and print it where the bank reads it</source>
        <translation>Compose your own MICR line from your bank&apos;s details, check it against the standard&apos;s fields and print it where the bank reads it</translation>
    </message>
    <message>
        <source>My MICR L&amp;ine...</source>
        <translation>My MICR L&amp;ine...</translation>
    </message>
    <message>
        <source>How to buy this software right now</source>
        <translation>How to buy this software right now</translation>
    </message>
    <message>
        <source>&amp;Buy Now</source>
        <translation>&amp;Buy Now</translation>
    </message>
    <message>
        <source>Turn your signature into a font to sign your checks</source>
        <translation>Turn your signature into a font to sign your cheques</translation>
    </message>
    <message>
        <source>&amp;Signature</source>
        <translation>&amp;Signature</translation>
    </message>
    <message>
        <source>Start the help file</source>
        <translation>Start the help file</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>A hand writing a check</source>
        <translation>A hand writing a cheque</translation>
    </message>
    <message>
        <source>Print a page that shows where the MICR line lands on your checks, and work out the offsets for your check-printing software</source>
        <translation>Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</translation>
    </message>
    <message>
        <source>Check a cheque your cheque-printing program printed to a file: where its MICR line will land on this printer, its face, size and fields, and the clear band</source>
        <translation type="vanished">Check a cheque your cheque-printing program printed to a file: where its MICR line will land on this printer, its face, size and fields, and the clear band</translation>
    </message>
    <message>
        <source>Cheque File</source>
        <translation type="vanished">Cheque File</translation>
    </message>
    <message>
        <source>Cheque &amp;File...</source>
        <translation type="vanished">Cheque &amp;File...</translation>
    </message>
    <message>
        <source>The printer&apos;s face and readings were not remembered: %1.</source>
        <translation>The printer&apos;s face and readings were not remembered: %1.</translation>
    </message>
    <message>
        <source>Your computer and printer system is not calibrated yet: the line
chosen on step 2 measured out of tolerance (see above). Go back
with Previous and choose the line the measurements name, or print
the calibration page again and measure it; F1 says what to do.</source>
        <translation>Your computer and printer system is not calibrated yet: the line
chosen on step 2 measured out of tolerance (see above). Go back
with Previous and choose the line the measurements name, or print
the calibration page again and measure it; F1 says what to do.</translation>
    </message>
    <message>
        <source>This utility will print a sample of each MICR font in this package.
You will then be guided through the process of selecting the right
MICR font for your printer and operating system.

Turn your laser printer on. Make sure this printer has blank paper
loaded in it. Leave the font selection set to standard unless you
need bold fonts to increase signal strength. Click Next to select a
printer and print the calibration page.</source>
        <translation>This utility will print a sample of each MICR font in this package.
You will then be guided through the process of selecting the right
MICR font for your printer and operating system.

Turn your laser printer on. Make sure this printer has blank paper
loaded in it. Leave the font selection set to standard unless you
need bold fonts to increase signal strength. Click Next to select a
printer and print the calibration page.</translation>
    </message>
    <message>
        <source>Print a calibration page and move to the next step</source>
        <translation>Print a calibration page and move to the next step</translation>
    </message>
    <message>
        <source>Exit the program immediately</source>
        <translation>Exit the program immediately</translation>
    </message>
    <message>
        <source>
Now printing a test sheet . . .

Wait until page that is now printing is cool, then measure the
length of each printed MICR line. Select the line that is nearest to
7 inches in length. If two lines are the same length, pick the one
closest to Line 3. Select the line number below that corresponds
to this 7 inch long MICR line.</source>
        <translation>
Now printing a test sheet . . .

Wait until page that is now printing is cool, then measure the
length of each printed MICR line. Select the line that is nearest to
7 inches in length. If two lines are the same length, pick the one
closest to Line 3. Select the line number below that corresponds
to this 7 inch long MICR line.</translation>
    </message>
    <message>
        <source>Move to the next step which will tell you what font to use</source>
        <translation>Move to the next step which will tell you what font to use</translation>
    </message>
    <message>
        <source>Return to the print a calibration page step</source>
        <translation>Return to the print a calibration page step</translation>
    </message>
    <message>
        <source>

Congratulations, your computer and printer system is now
calibrated. Note that if you change printers or operating systems
you should run this calibration program again.

You must use the following MICR font name, printing at 10 points,
in your check printing program:</source>
        <translation>

Congratulations, your computer and printer system is now
calibrated. Note that if you change printers or operating systems
you should run this calibration program again.

You must use the following MICR font name, printing at 10 points,
in your cheque printing program:</translation>
    </message>
    <message>
        <source>Return to the line length selection step</source>
        <translation>Return to the line length selection step</translation>
    </message>
    <message>
        <source>All done, exit now</source>
        <translation>All done, exit now</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>A check your check-printing program printed to a file, checked: where its MICR line will land on this printer, its face, size and fields, and the clear band</source>
        <translation>A cheque your cheque-printing program printed to a file, checked: where its MICR line will land on this printer, its face, size and fields, and the clear band</translation>
    </message>
    <message>
        <source>Check File</source>
        <translation>Cheque File</translation>
    </message>
    <message>
        <source>Check &amp;File...</source>
        <translation>Cheque &amp;File...</translation>
    </message>
    <message>
        <source>Pick the line on the calibration sheet that is 7 inches long</source>
        <translation>Pick the line on the calibration sheet that is 7 inches long</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Order a signature font</source>
        <translation>Order a signature font</translation>
    </message>
    <message>
        <source>A handwritten sample signature</source>
        <translation>A handwritten sample signature</translation>
    </message>
    <message>
        <source>We can convert your signature into a Windows TrueType</source>
        <translation>We can convert your signature into a Windows TrueType</translation>
    </message>
    <message>
        <source>font. You can then sign your checks, documents, memos,</source>
        <translation>font. You can then sign your cheques, documents, memos,</translation>
    </message>
    <message>
        <source>or faxes automatically! Click below to print an order form.</source>
        <translation>or faxes automatically! Click below to print an order form.</translation>
    </message>
    <message>
        <source>Display a pdf order form, ready to print</source>
        <translation>Display a pdf order form, ready to print</translation>
    </message>
    <message>
        <source>&amp;Order Form</source>
        <translation>&amp;Order Form</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Return back to the calibration program</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>MICR Fonts Calibration</source>
        <translation>MICR Fonts Calibration</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <extracomment>%1: the vendor&apos;s phone number</extracomment>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>Click to check the web for updates</source>
        <translation>Click to check the web for updates</translation>
    </message>
    <message>
        <source>Click to visit the web site</source>
        <translation>Click to visit the web site</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>MICR Gauge Instructions</source>
        <translation>MICR Gauge Instructions</translation>
    </message>
    <message>
        <source>The MICR position and dimension gauge</source>
        <translation>The MICR position and dimension gauge</translation>
    </message>
    <message>
        <source>A MICR gauge is an invaluable tool for verifying that all the data</source>
        <translation>A MICR gauge is an invaluable tool for verifying that all the data</translation>
    </message>
    <message>
        <source>on your check is correctly positioned and sized. Click the Manual</source>
        <translation>on your cheque is correctly positioned and sized. Click the Manual</translation>
    </message>
    <message>
        <source>button below for instructions on how to use our gauge.</source>
        <translation>button below for instructions on how to use our gauge.</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Order Form</source>
        <translation>&amp;Order Form</translation>
    </message>
    <message>
        <source>&amp;Buy Now</source>
        <translation>&amp;Buy Now</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Return back to the calibration program</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>:/images/gauge.png</source>
        <comment>the gauge picture, drawn with the reader&apos;s words</comment>
        <translation>:/images/gauge.png</translation>
    </message>
</context>
<context>
    <name>TMeasurements</name>
    <message>
        <source>Measured Lengths</source>
        <translation>Measured Lengths</translation>
    </message>
    <message>
        <source>Measure each sample line of the calibration page from the left edge of its first mark to the left edge of its last mark, and type what you read, in inches (7.06, 7 1/16) or millimeters (179.3 mm). One line is enough; more lines make the answer surer.</source>
        <translation>Measure each sample line of the calibration page from the left edge of its first mark to the left edge of its last mark, and type what you read, in inches (7.06, 7 1/16) or millimetres (179.3 mm). One line is enough; more lines make the answer surer.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Measured length</source>
        <translation>Measured length</translation>
    </message>
    <message>
        <source>Length on this printer</source>
        <translation>Length on this printer</translation>
    </message>
    <message>
        <source>Line &amp;1</source>
        <translation>Line &amp;1</translation>
    </message>
    <message>
        <source>The length of line 1 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 1 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 1</source>
        <translation>Measured length of line 1</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>not measured</translation>
    </message>
    <message>
        <source>Line &amp;2</source>
        <translation>Line &amp;2</translation>
    </message>
    <message>
        <source>The length of line 2 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 2 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 2</source>
        <translation>Measured length of line 2</translation>
    </message>
    <message>
        <source>Line &amp;3</source>
        <translation>Line &amp;3</translation>
    </message>
    <message>
        <source>The length of line 3 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 3 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 3</source>
        <translation>Measured length of line 3</translation>
    </message>
    <message>
        <source>Line &amp;4</source>
        <translation>Line &amp;4</translation>
    </message>
    <message>
        <source>The length of line 4 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 4 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 4</source>
        <translation>Measured length of line 4</translation>
    </message>
    <message>
        <source>Line &amp;5</source>
        <translation>Line &amp;5</translation>
    </message>
    <message>
        <source>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 5</source>
        <translation>Measured length of line 5</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1, predicted</source>
        <translation>%1, predicted</translation>
    </message>
    <message>
        <source>font not installed</source>
        <translation>font not installed</translation>
    </message>
    <message>
        <source>Use Line %1: %2, at 10 points</source>
        <translation>Use Line %1: %2, at 10 points</translation>
    </message>
    <message>
        <source>Not calibrated: no face can be named from these readings</source>
        <translation>Not calibrated: no face can be named from these readings</translation>
    </message>
    <message>
        <source>Line %1 is %2 from 7 inches: %3</source>
        <translation>Line %1 is %2 from 7 inches: %3</translation>
    </message>
    <message>
        <source>Take the lengths from a scan of the printed calibration page, the paper&apos;s edges showing against a dark lid</source>
        <translation>Take the lengths from a scan of the printed calibration page, the paper&apos;s edges showing against a dark lid</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>Fro&amp;m Scan...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>TMyMicrLine</name>
    <message>
        <source>My MICR Line</source>
        <translation>My MICR Line</translation>
    </message>
    <message>
        <source>Type your bank&apos;s details as they stand on a cheque the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s cheque. F1 opens the help.</source>
        <translation type="vanished">Type your bank&apos;s details as they stand on a cheque the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s cheque. F1 opens the help.</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s cheques follow</source>
        <translation type="vanished">The country whose layout the bank&apos;s cheques follow</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>United States</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>&amp;Routing number:</source>
        <translation>&amp;Routing number:</translation>
    </message>
    <message>
        <source>The bank&apos;s 9-digit routing number, between the transit symbols on its cheques</source>
        <translation type="vanished">The bank&apos;s 9-digit routing number, between the transit symbols on its cheques</translation>
    </message>
    <message>
        <source>Routing number</source>
        <translation>Routing number</translation>
    </message>
    <message>
        <source>9 digits</source>
        <translation>9 digits</translation>
    </message>
    <message>
        <source>&amp;Branch number:</source>
        <translation>&amp;Branch number:</translation>
    </message>
    <message>
        <source>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</source>
        <translation type="vanished">The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</translation>
    </message>
    <message>
        <source>Branch number</source>
        <translation>Branch number</translation>
    </message>
    <message>
        <source>5 digits</source>
        <translation>5 digits</translation>
    </message>
    <message>
        <source>&amp;Institution number:</source>
        <translation>&amp;Institution number:</translation>
    </message>
    <message>
        <source>The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</source>
        <translation type="vanished">The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</translation>
    </message>
    <message>
        <source>Institution number</source>
        <translation>Institution number</translation>
    </message>
    <message>
        <source>3 digits</source>
        <translation>3 digits</translation>
    </message>
    <message>
        <source>&amp;On-us field:</source>
        <translation>&amp;On-us field:</translation>
    </message>
    <message>
        <source>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal cheques the cheque number</source>
        <translation type="vanished">The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal cheques the cheque number</translation>
    </message>
    <message>
        <source>On-us field</source>
        <translation>On-us field</translation>
    </message>
    <message>
        <source>A&amp;uxiliary on-us:</source>
        <translation>A&amp;uxiliary on-us:</translation>
    </message>
    <message>
        <source>Business cheques: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</source>
        <translation type="vanished">Business cheques: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</translation>
    </message>
    <message>
        <source>Auxiliary on-us field</source>
        <translation>Auxiliary on-us field</translation>
    </message>
    <message>
        <source>optional, C001001C</source>
        <translation>optional, C001001C</translation>
    </message>
    <message>
        <source>E&amp;xternal processing code:</source>
        <translation>E&amp;xternal processing code:</translation>
    </message>
    <message>
        <source>One digit at position 44, usually blank</source>
        <translation>One digit at position 44, usually blank</translation>
    </message>
    <message>
        <source>External processing code</source>
        <translation>External processing code</translation>
    </message>
    <message>
        <source>optional, one digit</source>
        <translation>optional, one digit</translation>
    </message>
    <message>
        <source>Cheque &amp;width:</source>
        <translation type="vanished">Cheque &amp;width:</translation>
    </message>
    <message>
        <source>The cheque&apos;s width, for where the line&apos;s left end goes</source>
        <translation type="vanished">The cheque&apos;s width, for where the line&apos;s left end goes</translation>
    </message>
    <message>
        <source>Cheque width</source>
        <translation type="vanished">Cheque width</translation>
    </message>
    <message>
        <source>8.5 in</source>
        <translation>8.5 in</translation>
    </message>
    <message>
        <source>Copy the line, in the MICR font&apos;s letters, to the clipboard</source>
        <translation>Copy the line, in the MICR font&apos;s letters, to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Print the placement page with this line in place of the sample, each field bracketed and named</source>
        <translation>Print the placement page with this line in place of the sample, each field bracketed and named</translation>
    </message>
    <message>
        <source>&amp;Print on Placement Page...</source>
        <translation>&amp;Print on Placement Page...</translation>
    </message>
    <message>
        <source>Type your bank&apos;s details as they stand on a check the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s check. F1 opens the help.</source>
        <translation>Type your bank&apos;s details as they stand on a cheque the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s cheque. F1 opens the help.</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s checks follow</source>
        <translation>The country whose layout the bank&apos;s cheques follow</translation>
    </message>
    <message>
        <source>The bank&apos;s 9-digit routing number, between the transit symbols on its checks</source>
        <translation>The bank&apos;s 9-digit routing number, between the transit symbols on its cheques</translation>
    </message>
    <message>
        <source>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s checks</source>
        <translation>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</translation>
    </message>
    <message>
        <source>The 3-digit institution number, after the dash symbol on the bank&apos;s checks</source>
        <translation>The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</translation>
    </message>
    <message>
        <source>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal checks the check number</source>
        <translation>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal cheques the cheque number</translation>
    </message>
    <message>
        <source>Business checks: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</source>
        <translation>Business cheques: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</translation>
    </message>
    <message>
        <source>Check &amp;width:</source>
        <translation>Cheque &amp;width:</translation>
    </message>
    <message>
        <source>The check&apos;s width, for where the line&apos;s left end goes</source>
        <translation>The cheque&apos;s width, for where the line&apos;s left end goes</translation>
    </message>
    <message>
        <source>Check width</source>
        <translation>Cheque width</translation>
    </message>
    <message>
        <source>Type, in %1: %2
or with punctuation: %3</source>
        <translation>Type, in %1: %2
or with punctuation: %3</translation>
    </message>
    <message>
        <source>In check-printing software: the line&apos;s left end %1 from the check&apos;s left edge, its baseline %2 above the bottom edge.</source>
        <translation>In cheque-printing software: the line&apos;s left end %1 from the cheque&apos;s left edge, its baseline %2 above the bottom edge.</translation>
    </message>
    <message>
        <source>With this printer&apos;s correction (%1): left end %2, baseline %3.</source>
        <translation>With this printer&apos;s correction (%1): left end %2, baseline %3.</translation>
    </message>
    <message>
        <source>Check width: %1</source>
        <translation>Cheque width: %1</translation>
    </message>
    <message>
        <source>No faults: every field stands in its positions.</source>
        <translation>No faults: every field stands in its positions.</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has a fault. Print the placement page with it all the same?</source>
        <translation>A bank would reject this line: it has a fault. Print the placement page with it all the same?</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has %1 faults. Print the placement page with it all the same?</source>
        <translation>A bank would reject this line: it has %1 faults. Print the placement page with it all the same?</translation>
    </message>
</context>
<context>
    <name>TPlacement</name>
    <message>
        <source>MICR Line Placement</source>
        <translation>MICR Line Placement</translation>
    </message>
    <message>
        <source>Print the placement page on your cheque stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your cheque-printing software. F1 opens the help.</source>
        <translation type="vanished">Print the placement page on your cheque stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your cheque-printing software. F1 opens the help.</translation>
    </message>
    <message>
        <source>Cheque on the &amp;sheet:</source>
        <translation type="vanished">Cheque on the &amp;sheet:</translation>
    </message>
    <message>
        <source>Which cheque of 3-up stock the page is laid out for</source>
        <translation type="vanished">Which cheque of 3-up stock the page is laid out for</translation>
    </message>
    <message>
        <source>Cheque on the sheet</source>
        <translation type="vanished">Cheque on the sheet</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Choose a printer and print the placement page for this cheque and stock, in the face of the line chosen on step 2</source>
        <translation type="vanished">Choose a printer and print the placement page for this cheque and stock, in the face of the line chosen on step 2</translation>
    </message>
    <message>
        <source>&amp;Print Placement Page</source>
        <translation>&amp;Print Placement Page</translation>
    </message>
    <message>
        <source>Cheque s&amp;tock:</source>
        <translation type="vanished">Cheque s&amp;tock:</translation>
    </message>
    <message>
        <source>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</source>
        <translation type="vanished">The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</translation>
    </message>
    <message>
        <source>Cheque stock</source>
        <translation type="vanished">Cheque stock</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a cheque</source>
        <translation type="vanished">3-up on Letter, 3.5 in a cheque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a cheque</source>
        <translation type="vanished">3-up on A4, 99 mm a cheque</translation>
    </message>
    <message>
        <source>The height of one cheque of your stock, from its top edge to its perforation</source>
        <translation type="vanished">The height of one cheque of your stock, from its top edge to its perforation</translation>
    </message>
    <message>
        <source>Height of one cheque</source>
        <translation type="vanished">Height of one cheque</translation>
    </message>
    <message>
        <source>3.667 in</source>
        <translation>3.667 in</translation>
    </message>
    <message>
        <source>Reference &amp;bar, first tick to last:</source>
        <translation>Reference &amp;bar, first tick to last:</translation>
    </message>
    <message>
        <source>The length of the reference bar from its first tick to its last, in inches (7.000, 7 1/64) or millimeters (177.8 mm)</source>
        <translation>The length of the reference bar from its first tick to its last, in inches (7.000, 7 1/64) or millimetres (177.8 mm)</translation>
    </message>
    <message>
        <source>Length of the reference bar</source>
        <translation>Length of the reference bar</translation>
    </message>
    <message>
        <source>7.000 in</source>
        <translation>7.000 in</translation>
    </message>
    <message>
        <source>&amp;Vertical bar, top tick to bottom:</source>
        <translation>&amp;Vertical bar, top tick to bottom:</translation>
    </message>
    <message>
        <source>The length of the vertical bar at the left, from its top tick to its bottom tick; leave it empty if you did not measure it</source>
        <translation>The length of the vertical bar at the left, from its top tick to its bottom tick; leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Length of the vertical bar</source>
        <translation>Length of the vertical bar</translation>
    </message>
    <message>
        <source>2.000 in, optional</source>
        <translation>2.000 in, optional</translation>
    </message>
    <message>
        <source>&amp;Right edge to where position 1 ends:</source>
        <translation>&amp;Right edge to where position 1 ends:</translation>
    </message>
    <message>
        <source>The distance from the paper&apos;s right edge to the long tick where position 1 of the MICR line ends</source>
        <translation>The distance from the paper&apos;s right edge to the long tick where position 1 of the MICR line ends</translation>
    </message>
    <message>
        <source>Distance from the paper&apos;s right edge to the end of position 1</source>
        <translation>Distance from the paper&apos;s right edge to the end of position 1</translation>
    </message>
    <message>
        <source>0.313 in</source>
        <translation>0.313 in</translation>
    </message>
    <message>
        <source>Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</source>
        <translation type="vanished">Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</translation>
    </message>
    <message>
        <source>Baseline measured from</source>
        <translation>Baseline measured from</translation>
    </message>
    <message>
        <source>Cheque&apos;s bottom edge to the baseline:</source>
        <translation type="vanished">Cheque&apos;s bottom edge to the baseline:</translation>
    </message>
    <message>
        <source>Paper&apos;s top edge to the baseline:</source>
        <translation>Paper&apos;s top edge to the baseline:</translation>
    </message>
    <message>
        <source>The distance from the chosen edge to the baseline rule under the MICR line</source>
        <translation>The distance from the chosen edge to the baseline rule under the MICR line</translation>
    </message>
    <message>
        <source>Distance from the edge to the baseline</source>
        <translation>Distance from the edge to the baseline</translation>
    </message>
    <message>
        <source>0.188 in</source>
        <translation>0.188 in</translation>
    </message>
    <message>
        <source>3-up on Letter, another height:</source>
        <translation>3-up on Letter, another height:</translation>
    </message>
    <message>
        <source>3-up on A4, another height:</source>
        <translation>3-up on A4, another height:</translation>
    </message>
    <message>
        <source>Print the placement page again with the total correction applied, as your cheque-printing software will apply it; then measure it again to check the correction</source>
        <translation type="vanished">Print the placement page again with the total correction applied, as your cheque-printing software will apply it; then measure it again to check the correction</translation>
    </message>
    <message>
        <source>Print the placement page with this correction</source>
        <translation>Print the placement page with this correction</translation>
    </message>
    <message>
        <source>Print With This &amp;Correction</source>
        <translation>Print With This &amp;Correction</translation>
    </message>
    <message>
        <source>Print the placement page on your check stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your check-printing software. F1 opens the help.</source>
        <translation>Print the placement page on your cheque stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your cheque-printing software. F1 opens the help.</translation>
    </message>
    <message>
        <source>Check on the &amp;sheet:</source>
        <translation>Cheque on the &amp;sheet:</translation>
    </message>
    <message>
        <source>Which check of 3-up stock the page is laid out for</source>
        <translation>Which cheque of 3-up stock the page is laid out for</translation>
    </message>
    <message>
        <source>Check on the sheet</source>
        <translation>Cheque on the sheet</translation>
    </message>
    <message>
        <source>Choose a printer and print the placement page for this check and stock, in the face of the line chosen on step 2</source>
        <translation>Choose a printer and print the placement page for this cheque and stock, in the face of the line chosen on step 2</translation>
    </message>
    <message>
        <source>Check s&amp;tock:</source>
        <translation>Cheque s&amp;tock:</translation>
    </message>
    <message>
        <source>The check stock: three checks to a sheet, stacked from the paper&apos;s top edge</source>
        <translation>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</translation>
    </message>
    <message>
        <source>Check stock</source>
        <translation>Cheque stock</translation>
    </message>
    <message>
        <source>The height of one check of your stock, from its top edge to its perforation</source>
        <translation>The height of one cheque of your stock, from its top edge to its perforation</translation>
    </message>
    <message>
        <source>Height of one check</source>
        <translation>Height of one cheque</translation>
    </message>
    <message>
        <source>Check stock: measure from the check&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</source>
        <translation>Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</translation>
    </message>
    <message>
        <source>Check&apos;s bottom edge to the baseline:</source>
        <translation>Cheque&apos;s bottom edge to the baseline:</translation>
    </message>
    <message>
        <source>Print the placement page again with the total correction applied, as your check-printing software will apply it; then measure it again to check the correction</source>
        <translation>Print the placement page again with the total correction applied, as your cheque-printing software will apply it; then measure it again to check the correction</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line is set in %1, the face of Line %2 chosen on step 2.</source>
        <translation>The page&apos;s MICR line is set in %1, the face of Line %2 chosen on step 2.</translation>
    </message>
    <message>
        <source>The readings are of the page printed with the correction %1.</source>
        <translation>The readings are of the page printed with the correction %1.</translation>
    </message>
    <message>
        <source>Reference bar</source>
        <translation>Reference bar</translation>
    </message>
    <message>
        <source>Vertical bar</source>
        <translation>Vertical bar</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Right edge</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>Check height: %1</source>
        <translation>Cheque height: %1</translation>
    </message>
    <message>
        <source>Type the bar, the right edge and the baseline readings to see the scale, where the MICR line landed and the correction.</source>
        <translation>Type the bar, the right edge and the baseline readings to see the scale, where the MICR line landed and the correction.</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a check</source>
        <translation>3-up on Letter, 3.5 in a cheque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a check</source>
        <translation>3-up on A4, 99 mm a cheque</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>a cheque&apos;s height</comment>
        <translation>%1 in</translation>
    </message>
    <message>
        <source>Take the readings from a scan of the printed placement page, the paper&apos;s edges showing against a dark lid</source>
        <translation>Take the readings from a scan of the printed placement page, the paper&apos;s edges showing against a dark lid</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>Fro&amp;m Scan...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>TPrinters</name>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your cheque-printing software. Calibrate again after a toner change or on new cheque stock.</source>
        <translation type="vanished">Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your cheque-printing software. Calibrate again after a toner change or on new cheque stock.</translation>
    </message>
    <message>
        <source>The printers the program remembers</source>
        <translation>The printers the program remembers</translation>
    </message>
    <message>
        <source>Printers remembered</source>
        <translation>Printers remembered</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Calibrated</source>
        <translation>Calibrated</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Forget the selected printer&apos;s face, readings and correction</source>
        <translation>Forget the selected printer&apos;s face, readings and correction</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Forget</translation>
    </message>
    <message>
        <source>Save every printer&apos;s face and correction as a text file</source>
        <translation>Save every printer&apos;s face and correction as a text file</translation>
    </message>
    <message>
        <source>&amp;Export as Text...</source>
        <translation>&amp;Export as Text...</translation>
    </message>
    <message>
        <source>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your check-printing software. Calibrate again after a toner change or on new check stock.</source>
        <translation>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your cheque-printing software. Calibrate again after a toner change or on new cheque stock.</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>not measured</translation>
    </message>
    <message>
        <source>Forget the printer &quot;%1&quot;?</source>
        <translation>Forget the printer &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Its face, readings and correction will no longer be remembered.</source>
        <translation>Its face, readings and correction will no longer be remembered.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Export Printer Profiles</source>
        <translation>Export Printer Profiles</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>The printer was not forgotten: %1.</source>
        <translation>The printer was not forgotten: %1.</translation>
    </message>
</context>
<context>
    <name>WizardHelp</name>
    <message>
        <source>Usage: micr-calibration [Qt options]
Finds the width of the E-13B MICR font that prints the MICR line at exactly
0.125 inch a character on your laser printer. A three-step wizard prints a
calibration page with five sample MICR lines, takes the lengths you measure on
it and names the face to use; it then prints a placement page that tells how
far to move the MICR line in check-printing software, composes and checks
your own MICR line, and remembers each printer. F1 opens the help of any of
its windows.

Options:
  -h, --help         Displays this help.
  -v, --version      Displays version information.
  -platform NAME     Qt&apos;s window system: xcb, wayland or offscreen.

Files:
  ~/.config/micr-calibration/printers.ini  What the wizard remembers of
                                           each printer.
  /usr/share/micr-calibration              The help files micr.chm (US
                                           English), micr-en_CA.chm (Canadian
                                           English) and micr-fr.chm (French),
                                           the order forms and the gauge
                                           manual.

Environment:
  XDG_CONFIG_HOME  The folder of printers.ini&apos;s folder, ~/.config by default.
  LANG             The locale: the windows&apos; language, and a decimal comma in
                   readings where it writes one.
  CUPS_SERVER      The print server the wizard prints to and lists printers
                   from.

Examples:
  Start the wizard in a Wayland session without XWayland:
    micr-calibration -platform wayland
  Write the calibration page to a file instead, for another computer:
    micr-calibration-page page -o page.pdf
</source>
        <translation>Usage: micr-calibration [Qt options]
Finds the width of the E-13B MICR font that prints the MICR line at exactly
0.125 inch a character on your laser printer. A three-step wizard prints a
calibration page with five sample MICR lines, takes the lengths you measure on
it and names the face to use; it then prints a placement page that tells how
far to move the MICR line in cheque-printing software, composes and checks
your own MICR line, and remembers each printer. F1 opens the help of any of
its windows.

Options:
  -h, --help         Displays this help.
  -v, --version      Displays version information.
  -platform NAME     Qt&apos;s window system: xcb, wayland or offscreen.

Files:
  ~/.config/micr-calibration/printers.ini  What the wizard remembers of
                                           each printer.
  /usr/share/micr-calibration              The help files micr.chm (US
                                           English), micr-en_CA.chm (Canadian
                                           English) and micr-fr.chm (French),
                                           the order forms and the gauge
                                           manual.

Environment:
  XDG_CONFIG_HOME  The folder of printers.ini&apos;s folder, ~/.config by default.
  LANG             The locale: the windows&apos; language, and a decimal comma in
                   readings where it writes one.
  CUPS_SERVER      The print server the wizard prints to and lists printers
                   from.

Examples:
  Start the wizard in a Wayland session without XWayland:
    micr-calibration -platform wayland
  Write the calibration page to a file instead, for another computer:
    micr-calibration-page page -o page.pdf
</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>top</source>
        <comment>which check of three</comment>
        <translation>top</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>which check of three</comment>
        <translation>middle</translation>
    </message>
    <message>
        <source>bottom</source>
        <comment>which check of three</comment>
        <translation>bottom</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a check</source>
        <translation>3-up on Letter, 3.5 in a cheque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a check</source>
        <translation>3-up on A4, 99 mm a cheque</translation>
    </message>
    <message>
        <source>3-up, %1 in (%2 mm) a check</source>
        <translation>3-up, %1 in (%2 mm) a cheque</translation>
    </message>
    <message>
        <source>%1 in (%2 mm)</source>
        <translation>%1 in (%2 mm)</translation>
    </message>
    <message>
        <source>good (within %1 in)</source>
        <translation>good (within %1 in)</translation>
    </message>
    <message>
        <source>marginal (within %1 in: check with a MICR gauge)</source>
        <translation>marginal (within %1 in: check with a MICR gauge)</translation>
    </message>
    <message>
        <source>out of tolerance (more than %1 in from 7 in)</source>
        <translation>out of tolerance (more than %1 in from 7 in)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>no readings</translation>
    </message>
    <message>
        <source>readings inconsistent: measure again</source>
        <translation>readings inconsistent: measure again</translation>
    </message>
    <message>
        <source>page printed scaled: print it at 100 %</source>
        <translation>page printed scaled: print it at 100 %</translation>
    </message>
    <message>
        <source>out of tolerance: the printer falls between two faces</source>
        <translation>out of tolerance: the printer falls between two faces</translation>
    </message>
    <message>
        <source>Line %1 (%2) is %3</source>
        <translation>Line %1 (%2) is %3</translation>
    </message>
    <message>
        <source>This printer falls between two faces: %1. Neither is within tolerance.</source>
        <translation>This printer falls between two faces: %1. Neither is within tolerance.</translation>
    </message>
    <message>
        <source>Line %1 was not measured.</source>
        <translation>Line %1 was not measured.</translation>
    </message>
    <message>
        <source>Not calibrated: %1.</source>
        <translation>Not calibrated: %1.</translation>
    </message>
    <message>
        <source>Line %1 should print %2 in, %3 in from 7 in</source>
        <translation>Line %1 should print %2 in, %3 in from 7 in</translation>
    </message>
    <message>
        <source>Line %1 measured %2 in, %3 in from 7 in</source>
        <translation>Line %1 measured %2 in, %3 in from 7 in</translation>
    </message>
    <message>
        <source>%1: good.</source>
        <translation>%1: good.</translation>
    </message>
    <message>
        <source>%1: marginal, check with a MICR gauge.</source>
        <translation>%1: marginal, check with a MICR gauge.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance. Choose Line %2 on step 2.</source>
        <translation>Not calibrated: %1, out of tolerance. Choose Line %2 on step 2.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance.</source>
        <translation>Not calibrated: %1, out of tolerance.</translation>
    </message>
    <message>
        <source>Type the length of at least one sample line.</source>
        <translation>Type the length of at least one sample line.</translation>
    </message>
    <message>
        <source>The readings do not agree with each other: one printer scales every line alike, but some reading is more than %1 in from what the others predict. Measure the lines again, from the left edge of the first mark to the left edge of the last.</source>
        <translation>The readings do not agree with each other: one printer scales every line alike, but some reading is more than %1 in from what the others predict. Measure the lines again, from the left edge of the first mark to the left edge of the last.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is longer than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>The page was probably printed scaled, at about %1 %: every line is longer than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is shorter than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>The page was probably printed scaled, at about %1 %: every line is shorter than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</translation>
    </message>
    <message>
        <source>Line %1 was not measured: its length is predicted from the others. Measure it to confirm.</source>
        <translation>Line %1 was not measured: its length is predicted from the others. Measure it to confirm.</translation>
    </message>
    <message>
        <source>Print a test check and check its MICR line with a MICR gauge.</source>
        <translation>Print a test cheque and check its MICR line with a MICR gauge.</translation>
    </message>
    <message>
        <source>right or left %1 in (%2 mm, %3/1000 in)</source>
        <translation>right or left %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>right %1 in (%2 mm, %3/1000 in)</source>
        <translation>right %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>left %1 in (%2 mm, %3/1000 in)</source>
        <translation>left %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>up or down %1 in (%2 mm, %3/1000 in)</source>
        <translation>up or down %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>up %1 in (%2 mm, %3/1000 in)</source>
        <translation>up %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>down %1 in (%2 mm, %3/1000 in)</source>
        <translation>down %1 in (%2 mm, %3/1000 in)</translation>
    </message>
    <message>
        <source>right or left %1 in</source>
        <translation>right or left %1 in</translation>
    </message>
    <message>
        <source>right %1 in</source>
        <translation>right %1 in</translation>
    </message>
    <message>
        <source>left %1 in</source>
        <translation>left %1 in</translation>
    </message>
    <message>
        <source>up or down %1 in</source>
        <translation>up or down %1 in</translation>
    </message>
    <message>
        <source>up %1 in</source>
        <translation>up %1 in</translation>
    </message>
    <message>
        <source>down %1 in</source>
        <translation>down %1 in</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Line %1&apos;s face, %2</source>
        <translation>Line %1&apos;s face, %2</translation>
    </message>
    <message>
        <source>Page scale across: %1 % (the bar is %2 in).</source>
        <translation>Page scale across: %1 % (the bar is %2 in).</translation>
    </message>
    <message>
        <source>%1, prints the MICR line %2 in long</source>
        <translation>%1, prints the MICR line %2 in long</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 is not installed</translation>
    </message>
    <message>
        <source>%1 At this scale %2: fine, the face makes up for the printer&apos;s scale.</source>
        <translation>%1 At this scale %2: fine, the face makes up for the printer&apos;s scale.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in.</source>
        <translation>%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance, and no face prints it within %3 in of 7 in. %4</source>
        <translation>%1 At this scale %2: out of tolerance, and no face prints it within %3 in of 7 in. %4</translation>
    </message>
    <message>
        <source>%1 No face prints the MICR line within %2 in of 7 in at this scale, nor comes near: the page was scaled on its way to the printer.</source>
        <translation>%1 No face prints the MICR line within %2 in of 7 in at this scale, nor comes near: the page was scaled on its way to the printer.</translation>
    </message>
    <message>
        <source>No correction from these readings: the page&apos;s scales across and down differ by more than %1 %, which no printer does, so a bar was misread. Measure the reference bar (%2 in) and the vertical bar (%3 in) again, each from its first tick to its last.</source>
        <translation>No correction from these readings: the page&apos;s scales across and down differ by more than %1 %, which no printer does, so a bar was misread. Measure the reference bar (%2 in) and the vertical bar (%3 in) again, each from its first tick to its last.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline lies on the %1 check, but the page was printed for the %2 check. Choose the check the page was printed for, or measure again from the paper&apos;s top edge down to the baseline rule under the MICR line of the %2 check.</source>
        <translation>No correction from these readings: the baseline lies on the %1 cheque, but the page was printed for the %2 cheque. Choose the cheque the page was printed for, or measure again from the paper&apos;s top edge down to the baseline rule under the MICR line of the %2 cheque.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline is %1 in above the %2 check&apos;s bottom edge, more than 1/2 in outside its MICR print band (%3 to %4 in). Measure again, from the check&apos;s bottom edge up to the baseline rule under the MICR line, or from the paper&apos;s top edge down to it.</source>
        <translation>No correction from these readings: the baseline is %1 in above the %2 cheque&apos;s bottom edge, more than 1/2 in outside its MICR print band (%3 to %4 in). Measure again, from the cheque&apos;s bottom edge up to the baseline rule under the MICR line, or from the paper&apos;s top edge down to it.</translation>
    </message>
    <message>
        <source>Page scale down: %1 % (the vertical bar is %2 in).</source>
        <translation>Page scale down: %1 % (the vertical bar is %2 in).</translation>
    </message>
    <message>
        <source>Page scale down: not measured, taken as 100 %.</source>
        <translation>Page scale down: not measured, taken as 100 %.</translation>
    </message>
    <message>
        <source>This page carries the correction %1.</source>
        <translation>This page carries the correction %1.</translation>
    </message>
    <message>
        <source>No correction from a scaled page: print it at 100 %, with no &quot;fit to page&quot;, then measure the page again.</source>
        <translation>No correction from a scaled page: print it at 100 %, with no &quot;fit to page&quot;, then measure the page again.</translation>
    </message>
    <message>
        <source>On the %1 check (%2), position 1 ends %3 in from the check&apos;s right edge (the standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).</source>
        <translation>On the %1 cheque (%2), position 1 ends %3 in from the cheque&apos;s right edge (the standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).</translation>
    </message>
    <message>
        <source>Correction for your check-printing software: move the MICR line %1.</source>
        <translation>Correction for your cheque-printing software: move the MICR line %1.</translation>
    </message>
    <message>
        <source>Still to move from the page&apos;s correction: %1.</source>
        <translation>Still to move from the page&apos;s correction: %1.</translation>
    </message>
    <message>
        <source>Total correction for your check-printing software, in place of the page&apos;s: move the MICR line %1.</source>
        <translation>Total correction for your cheque-printing software, in place of the page&apos;s: move the MICR line %1.</translation>
    </message>
    <message>
        <source>Both moves are within 1/32 in: the placement is fine.</source>
        <translation>Both moves are within 1/32 in: the placement is fine.</translation>
    </message>
    <message>
        <source>A move is more than 1/32 in: print the page again with the total correction, then measure it again.</source>
        <translation>A move is more than 1/32 in: print the page again with the total correction, then measure it again.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again and measure it.</source>
        <translation>Not placed yet: choose Line %1 on step 2, then print the page again and measure it.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again with the total correction and measure it.</source>
        <translation>Not placed yet: choose Line %1 on step 2, then print the page again with the total correction and measure it.</translation>
    </message>
    <message>
        <source>Not calibrated: no face makes up for this printer&apos;s scale, so its MICR line is out of tolerance wherever it is placed.</source>
        <translation>Not calibrated: no face makes up for this printer&apos;s scale, so its MICR line is out of tolerance wherever it is placed.</translation>
    </message>
    <message>
        <source>printer &quot;%1&quot;: the value %2 (&quot;%3&quot;) is out of range and was dropped</source>
        <translation>printer &quot;%1&quot;: the value %2 (&quot;%3&quot;) is out of range and was dropped</translation>
    </message>
    <message>
        <source>an entry that names no printer was cut short or is not this program&apos;s, and was left out</source>
        <translation>an entry that names no printer was cut short or is not this program&apos;s, and was left out</translation>
    </message>
    <message>
        <source>the profile of printer &quot;%1&quot; was cut short or is not this program&apos;s, and was left out</source>
        <translation>the profile of printer &quot;%1&quot; was cut short or is not this program&apos;s, and was left out</translation>
    </message>
    <message>
        <source>a line that is not a setting was left out</source>
        <translation>a line that is not a setting was left out</translation>
    </message>
    <message>
        <source>it has no version: it is not a settings file this program wrote</source>
        <translation>it has no version: it is not a settings file this program wrote</translation>
    </message>
    <message>
        <source>it is of another version (%1)</source>
        <translation>it is of another version (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2. The file was left as it is.</source>
        <translation>The printer profiles in %1 cannot be used: %2. The file was left as it is.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2. The file was set aside as %3; the program starts with no printer profiles.</source>
        <translation>The printer profiles in %1 cannot be used: %2. The file was set aside as %3; the program starts with no printer profiles.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2, and it could not be moved aside. The program goes on without printer profiles.</source>
        <translation>The printer profiles in %1 cannot be used: %2, and it could not be moved aside. The program goes on without printer profiles.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 are damaged: %2. The rest can be read; the file was left as it is.</source>
        <translation>The printer profiles in %1 are damaged: %2. The rest can be read; the file was left as it is.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file as it was is kept as %3.</source>
        <translation>In the printer profiles in %1, %2. The other printers and values were kept; the file as it was is kept as %3.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file was left as it is, as it could not be copied aside.</source>
        <translation>In the printer profiles in %1, %2. The other printers and values were kept; the file was left as it is, as it could not be copied aside.</translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation>The line is empty.</translation>
    </message>
    <message>
        <source>The line has &quot;%1&quot;, which the MICR font cannot print: the dash symbol is D or =.</source>
        <translation>The line has &quot;%1&quot;, which the MICR font cannot print: the dash symbol is D or =.</translation>
    </message>
    <message>
        <source>The line has &quot;%1&quot;, which the MICR font cannot print: it prints the digits, spaces and the symbols A, B, C and D (or : ; &lt; =).</source>
        <translation>The line has &quot;%1&quot;, which the MICR font cannot print: it prints the digits, spaces and the symbols A, B, C and D (or : ; &lt; =).</translation>
    </message>
    <message>
        <source>The line needs two transit symbols (A or :), around the routing number, at positions %1 and %2; it has %3.</source>
        <translation>The line needs two transit symbols (A or :), around the routing number, at positions %1 and %2; it has %3.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the on-us field after it takes %5 positions; it has room for %6 (positions %7 to %8).</source>
        <translation>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the on-us field after it takes %5 positions; it has room for %6 (positions %7 to %8).</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted left, with too many spaces after it.</source>
        <translation>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted left, with too many spaces after it.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the bank&apos;s number in it is not as long as it should be.</source>
        <translation>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the bank&apos;s number in it is not as long as it should be.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted right, short of spaces after it.</source>
        <translation>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted right, short of spaces after it.</translation>
    </message>
    <message>
        <source>The branch number is missing: the transit field holds the %1-digit branch number, the dash symbol (D or =) and the %2-digit institution number.</source>
        <translation>The branch number is missing: the transit field holds the %1-digit branch number, the dash symbol (D or =) and the %2-digit institution number.</translation>
    </message>
    <message>
        <source>The branch number %1 has %2 digits: it is the whole transit number. Split it: branch number %3, institution number %4.</source>
        <translation>The branch number %1 has %2 digits: it is the whole transit number. Split it: branch number %3, institution number %4.</translation>
    </message>
    <message>
        <source>The branch number &quot;%1&quot; is not %2 digits.</source>
        <translation>The branch number &quot;%1&quot; is not %2 digits.</translation>
    </message>
    <message>
        <source>The institution number is missing: it is the %1 digits after the dash symbol (D or =).</source>
        <translation>The institution number is missing: it is the %1 digits after the dash symbol (D or =).</translation>
    </message>
    <message>
        <source>The institution number &quot;%1&quot; is not %2 digits.</source>
        <translation>The institution number &quot;%1&quot; is not %2 digits.</translation>
    </message>
    <message>
        <source>The institution number &quot;%1&quot; is not %2 digits: the transit field has one dash symbol (D or =).</source>
        <translation>The institution number &quot;%1&quot; is not %2 digits: the transit field has one dash symbol (D or =).</translation>
    </message>
    <message>
        <source>The routing number is missing: type its %1 digits; the line puts the transit symbols around it.</source>
        <translation>The routing number is missing: type its %1 digits; the line puts the transit symbols around it.</translation>
    </message>
    <message>
        <source>The routing number &quot;%1&quot; is not all digits.</source>
        <translation>The routing number &quot;%1&quot; is not all digits.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number has %2. A Canadian transit number (%3-digit branch, %4-digit institution) is typed in the Canadian layout: branch number %5, institution number %6.</source>
        <translation>The routing number has %1 digits; a routing number has %2. A Canadian transit number (%3-digit branch, %4-digit institution) is typed in the Canadian layout: branch number %5, institution number %6.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number needs %2.</source>
        <translation>The routing number has %1 digits; a routing number needs %2.</translation>
    </message>
    <message>
        <source>The routing number starts with %1: prefixes 61 to 72 are for electronic payments only and never stand on a check.</source>
        <translation>The routing number starts with %1: prefixes 61 to 72 are for electronic payments only and never stand on a cheque.</translation>
    </message>
    <message>
        <source>The routing number starts with %1, which no Federal Reserve routing symbol on a check does (00-12, 21-32, 80).</source>
        <translation>The routing number starts with %1, which no Federal Reserve routing symbol on a cheque does (00-12, 21-32, 80).</translation>
    </message>
    <message>
        <source>The routing number&apos;s check digit is %1, but its other digits make it %2: a digit was mistyped.</source>
        <translation>The routing number&apos;s check digit is %1, but its other digits make it %2: a digit was mistyped.</translation>
    </message>
    <message>
        <source>The external processing code &quot;%1&quot; is not one digit: it is one digit at position %2, or none.</source>
        <translation>The external processing code &quot;%1&quot; is not one digit: it is one digit at position %2, or none.</translation>
    </message>
    <message>
        <source>Position %1, the external processing code&apos;s, holds a symbol: the auxiliary on-us field (a business check&apos;s serial number between on-us symbols) ends at %2, with %1 blank or the code&apos;s digit.</source>
        <translation>Position %1, the external processing code&apos;s, holds a symbol: the auxiliary on-us field (a business cheque&apos;s serial number between on-us symbols) ends at %2, with %1 blank or the code&apos;s digit.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field runs to position %1, past %2, the last on a check: it has room for %3 (positions %2 to %4).</source>
        <translation>The auxiliary on-us field runs to position %1, past %2, the last on a cheque: it has room for %3 (positions %2 to %4).</translation>
    </message>
    <message>
        <source>The auxiliary on-us field &quot;%1&quot; is not between on-us symbols (C or &lt;): it starts and ends with one.</source>
        <translation>The auxiliary on-us field &quot;%1&quot; is not between on-us symbols (C or &lt;): it starts and ends with one.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field ends at position %1; it ends at %2, next to position %3.</source>
        <translation>The auxiliary on-us field ends at position %1; it ends at %2, next to position %3.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>The auxiliary on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</translation>
    </message>
    <message>
        <source>The on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>The on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>The auxiliary on-us field has the transit symbol (A or :), which marks only the routing number.</translation>
    </message>
    <message>
        <source>The on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>The on-us field has the transit symbol (A or :), which marks only the routing number.</translation>
    </message>
    <message>
        <source>The line runs to position %1; a check has %2.</source>
        <translation>The line runs to position %1; a cheque has %2.</translation>
    </message>
    <message>
        <source>The on-us field is missing: type it as your bank prints it (the account number and the on-us symbol, C or &lt;).</source>
        <translation>The on-us field is missing: type it as your bank prints it (the account number and the on-us symbol, C or &lt;).</translation>
    </message>
    <message>
        <source>The on-us field &quot;%1&quot; has no on-us symbol (C or &lt;): the bank&apos;s checks show one after the account number.</source>
        <translation>The on-us field &quot;%1&quot; has no on-us symbol (C or &lt;): the bank&apos;s cheques show one after the account number.</translation>
    </message>
    <message>
        <source>The on-us field repeats the routing number %1: the account number goes there.</source>
        <translation>The on-us field repeats the routing number %1: the account number goes there.</translation>
    </message>
    <message>
        <source>Position %1, between the amount and the on-us field, is not blank.</source>
        <translation>Position %1, between the amount and the on-us field, is not blank.</translation>
    </message>
    <message>
        <source>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the check is deposited.</source>
        <translation>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the cheque is deposited.</translation>
    </message>
    <message>
        <source>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the check is deposited. If the last symbol marks the account number, it is the on-us symbol, C or &lt;.</source>
        <translation>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the cheque is deposited. If the last symbol marks the account number, it is the on-us symbol, C or &lt;.</translation>
    </message>
    <message>
        <source>amount</source>
        <comment>a MICR line field</comment>
        <translation>amount</translation>
    </message>
    <message>
        <source>on-us</source>
        <comment>a MICR line field</comment>
        <translation>on-us</translation>
    </message>
    <message>
        <source>transit</source>
        <comment>a MICR line field</comment>
        <translation>transit</translation>
    </message>
    <message>
        <source>auxiliary on-us</source>
        <comment>a MICR line field</comment>
        <translation>auxiliary on-us</translation>
    </message>
    <message>
        <source>external processing code</source>
        <comment>a MICR line field</comment>
        <translation>external processing code</translation>
    </message>
    <message>
        <source>Put these keys in the [Global] section of freecheck.cfg, in place of the ones there.</source>
        <translation>Put these keys in the [Global] section of freecheck.cfg, in place of the ones there.</translation>
    </message>
    <message>
        <source>The tweaks are for %1 of %2, a check 8.5 in wide at the paper&apos;s left edge (CheckWidth 8.5 inch, CheckHorOffset 0 inch), with FreeCheck&apos;s checks on the stock&apos;s (CheckHeight %3 inch, CheckVerOffset %4 inch), and a line whose transit symbol stands at position %5.</source>
        <translation>The tweaks are for %1 of %2, a cheque 8.5 in wide at the paper&apos;s left edge (CheckWidth 8.5 inch, CheckHorOffset 0 inch), with FreeCheck&apos;s cheques on the stock&apos;s (CheckHeight %3 inch, CheckVerOffset %4 inch), and a line whose transit symbol stands at position %5.</translation>
    </message>
    <message>
        <source>For a check of another width, or not at the paper&apos;s left edge, add (R - 8.5) x %1 inch to MICRHorTweak, R being the check&apos;s right edge in inches from the paper&apos;s left edge (CheckHorOffset + CheckWidth): %2 inch for each inch further right.</source>
        <translation>For a cheque of another width, or not at the paper&apos;s left edge, add (R - 8.5) x %1 inch to MICRHorTweak, R being the cheque&apos;s right edge in inches from the paper&apos;s left edge (CheckHorOffset + CheckWidth): %2 inch for each inch further right.</translation>
    </message>
    <message>
        <source>FreeCheck finds the face by its PostScript name, %1: your PostScript interpreter must know it (for Ghostscript, a line in its Fontmap).</source>
        <translation>FreeCheck finds the face by its PostScript name, %1: your PostScript interpreter must know it (for Ghostscript, a line in its Fontmap).</translation>
    </message>
    <message>
        <source>FreeCheck moves every check of the sheet by the same tweak: at this printer&apos;s scale down the others&apos; baselines land up to %1 in from where this one&apos;s does.</source>
        <translation>FreeCheck moves every cheque of the sheet by the same tweak: at this printer&apos;s scale down the others&apos; baselines land up to %1 in from where this one&apos;s does.</translation>
    </message>
    <message>
        <source>GnuCash prints the MICR line from its check format, character by character: compose your MICR line first (My MICR Line, or --micr-line).</source>
        <translation>GnuCash prints the MICR line from its check format, character by character: compose your MICR line first (My MICR Line, or --micr-line).</translation>
    </message>
    <message>
        <source>The check number is the transaction&apos;s Num, right-aligned in positions %1 to %2: give it %3 digits (with leading zeros) to fill them. GnuCash sets it at %4 pt a digit, not %5, so each digit stands up to %6 in from its cell.</source>
        <translation>The cheque number is the transaction&apos;s Num, right-aligned in positions %1 to %2: give it %3 digits (with leading zeros) to fill them. GnuCash sets it at %4 pt a digit, not %5, so each digit stands up to %6 in from its cell.</translation>
    </message>
    <message>
        <source>Copy %1 into ~/.local/share/gnucash/checks/ (make the folder if there is none) and restart GnuCash; in Print Checks choose &quot;%2&quot; and the check&apos;s position, Top, Middle or Bottom, with no custom translation.</source>
        <translation>Copy %1 into ~/.local/share/gnucash/checks/ (make the folder if there is none) and restart GnuCash; in Print Checks choose &quot;%2&quot; and the cheque&apos;s position, Top, Middle or Bottom, with no custom translation.</translation>
    </message>
    <message>
        <source>The format prints the MICR line only: to print it with your check&apos;s other items, copy its [Check Items] into your own format, numbering them on from yours.</source>
        <translation>The format prints the MICR line only: to print it with your cheque&apos;s other items, copy its [Check Items] into your own format, numbering them on from yours.</translation>
    </message>
    <message>
        <source>In Odoo, Accounting settings, Checks: add these to the Check Top Margin and Check Left Margin (inches); a negative figure takes that much off.</source>
        <translation>In Odoo, Accounting settings, Checks: add these to the Check Top Margin and Check Left Margin (inches); a negative figure takes that much off.</translation>
    </message>
    <message>
        <source>They are for %1 (%2) and a line whose leftmost character stands at position %3, in %4 at 10 points; print at 100 %, with no zoom in the PDF converter.</source>
        <translation>They are for %1 (%2) and a line whose leftmost character stands at position %3, in %4 at 10 points; print at 100 %, with no zoom in the PDF converter.</translation>
    </message>
    <message>
        <source>Your MICR line has faults (%1): mend them before printing checks.</source>
        <translation>Your MICR line has faults (%1): mend them before printing cheques.</translation>
    </message>
    <message>
        <source>%1 is not installed: its widths and names are read from the face itself. Install it, then write the settings again.</source>
        <translation>%1 is not installed: its widths and names are read from the face itself. Install it, then write the settings again.</translation>
    </message>
    <message>
        <source>%1-%2 in from the check&apos;s left edge, %3-%4 in above its bottom edge</source>
        <translation>%1-%2 in from the cheque&apos;s left edge, %3-%4 in above its bottom edge</translation>
    </message>
    <message>
        <source>the top check</source>
        <translation>the top cheque</translation>
    </message>
    <message>
        <source>the middle check</source>
        <translation>the middle cheque</translation>
    </message>
    <message>
        <source>the bottom check</source>
        <translation>the bottom cheque</translation>
    </message>
    <message>
        <source>a printer on which Line %1&apos;s face prints the MICR line %2 in long</source>
        <translation>a printer on which Line %1&apos;s face prints the MICR line %2 in long</translation>
    </message>
    <message>
        <source>printer %1, calibrated for Line %2</source>
        <translation>printer %1, calibrated for Line %2</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>no date</translation>
    </message>
    <message>
        <source>printer %1, calibrated for Line %2, placement measured %3</source>
        <translation>printer %1, calibrated for Line %2, placement measured %3</translation>
    </message>
    <message>
        <source>No MICR line found on %1: no text there is in a MICR face. The page uses no fonts.</source>
        <translation>No MICR line found on %1: no text there is in a MICR face. The page uses no fonts.</translation>
    </message>
    <message>
        <source>No MICR line found on %1: no text there is in a MICR face. The page uses the fonts %2.</source>
        <translation>No MICR line found on %1: no text there is in a MICR face. The page uses the fonts %2.</translation>
    </message>
    <message>
        <source>The line mixes faces: %1 and %2.</source>
        <translation>The line mixes faces: %1 and %2.</translation>
    </message>
    <message>
        <source>The line is in %1, but this printer is calibrated for %2 (Line %3).</source>
        <translation>The line is in %1, but this printer is calibrated for %2 (Line %3).</translation>
    </message>
    <message>
        <source>The line prints at %1 pt; it must print at 10 pt (within %2 pt). A page zoomed or fitted to the paper changes the size: print at 100 %.</source>
        <translation>The line prints at %1 pt; it must print at 10 pt (within %2 pt). A page zoomed or fitted to the paper changes the size: print at 100 %.</translation>
    </message>
    <message>
        <source>Two characters fall in position %1: they stand closer than %2 in (another size or face), or the line is printed twice.</source>
        <translation>Two characters fall in position %1: they stand closer than %2 in (another size or face), or the line is printed twice.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far left.</source>
        <translation>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far left.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far right.</source>
        <translation>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far right.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far left.</source>
        <translation>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far left.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far right.</source>
        <translation>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far right.</translation>
    </message>
    <message>
        <source>Text in the clear band: &quot;%1&quot;, %2.</source>
        <translation>Text in the clear band: &quot;%1&quot;, %2.</translation>
    </message>
    <message>
        <source>A drawing in the clear band, %1.</source>
        <translation>A drawing in the clear band, %1.</translation>
    </message>
    <message>
        <source>Printer: %1 (%2 at 10 pt); page scale %3 % across, %4 % down.</source>
        <translation>Printer: %1 (%2 at 10 pt); page scale %3 % across, %4 % down.</translation>
    </message>
    <message>
        <source>Check: the top one, %1.</source>
        <translation>Cheque: the top one, %1.</translation>
    </message>
    <message>
        <source>Check: the middle one, %1.</source>
        <translation>Cheque: the middle one, %1.</translation>
    </message>
    <message>
        <source>Check: the bottom one, %1.</source>
        <translation>Cheque: the bottom one, %1.</translation>
    </message>
    <message>
        <source>MICR line: %1 at %2 pt.</source>
        <translation>MICR line: %1 at %2 pt.</translation>
    </message>
    <message>
        <source>Text: &quot;%1&quot;, positions %2 to %3.</source>
        <translation>Text: &quot;%1&quot;, positions %2 to %3.</translation>
    </message>
    <message>
        <source>Position 1 ends %1 in from the check&apos;s right edge (the standard puts it at %2 in); the baseline is %3 in above its bottom edge (%4 in).</source>
        <translation>Position 1 ends %1 in from the cheque&apos;s right edge (the standard puts it at %2 in); the baseline is %3 in above its bottom edge (%4 in).</translation>
    </message>
    <message>
        <source>Move the MICR line in the program that made the file: %1.</source>
        <translation>Move the MICR line in the program that made the file: %1.</translation>
    </message>
    <message>
        <source>No faults.</source>
        <translation>No faults.</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>Fault: %1</translation>
    </message>
    <message>
        <source>Both moves are within 1/32 in.</source>
        <translation>Both moves are within 1/32 in.</translation>
    </message>
    <message>
        <source>A move is more than 1/32 in: move the line, print the check to a file again and check it.</source>
        <translation>A move is more than 1/32 in: move the line, print the cheque to a file again and check it.</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>%1 is neither a PDF nor a PostScript file</source>
        <translation>%1 is neither a PDF nor a PostScript file</translation>
    </message>
    <message>
        <source>%1 is cut short: it does not end as a PDF file does</source>
        <translation>%1 is cut short: it does not end as a PDF file does</translation>
    </message>
    <message>
        <source>%1 is cut short: it does not end as a PostScript file does</source>
        <translation>%1 is cut short: it does not end as a PostScript file does</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is damaged, or not a PDF file</source>
        <translation>%1 cannot be read: it is damaged, or not a PDF file</translation>
    </message>
    <message>
        <source>%1 is encrypted with a password: print the check to a file without one</source>
        <translation>%1 is encrypted with a password: print the cheque to a file without one</translation>
    </message>
    <message>
        <source>%1 has no page</source>
        <translation>%1 has no page</translation>
    </message>
    <message>
        <source>%1: its first page cannot be read</source>
        <translation>%1: its first page cannot be read</translation>
    </message>
    <message>
        <source>%1 is PostScript, and reading PostScript needs Ghostscript (gs), which is not installed: install the ghostscript package, or print the check to a PDF file</source>
        <translation>%1 is PostScript, and reading PostScript needs Ghostscript (gs), which is not installed: install the ghostscript package, or print the cheque to a PDF file</translation>
    </message>
    <message>
        <source>%1: Ghostscript could not read it in %2 s</source>
        <translation>%1: Ghostscript could not read it in %2 s</translation>
    </message>
    <message>
        <source>%1 cannot be read as PostScript</source>
        <translation>%1 cannot be read as PostScript</translation>
    </message>
    <message>
        <source>%1: no temporary folder for Ghostscript&apos;s PDF</source>
        <translation>%1: no temporary folder for Ghostscript&apos;s PDF</translation>
    </message>
    <message>
        <source>%1 cannot be read as PostScript (Ghostscript: %2)</source>
        <translation>%1 cannot be read as PostScript (Ghostscript: %2)</translation>
    </message>
    <message>
        <source>good</source>
        <translation>good</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>marginal</translation>
    </message>
    <message>
        <source>between two faces</source>
        <translation>between two faces</translation>
    </message>
    <message>
        <source>page scaled</source>
        <translation>page scaled</translation>
    </message>
    <message>
        <source>readings disagree</source>
        <translation>readings disagree</translation>
    </message>
    <message>
        <source>out of tolerance</source>
        <translation>out of tolerance</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>no verdict</translation>
    </message>
    <message>
        <source>  Face: %1 (Line %2), at 10 points</source>
        <translation>  Face: %1 (Line %2), at 10 points</translation>
    </message>
    <message>
        <source>line %1 %2 in</source>
        <translation>line %1 %2 in</translation>
    </message>
    <message>
        <source>  Calibrated %1: %2; %3</source>
        <translation>  Calibrated %1: %2; %3</translation>
    </message>
    <message>
        <source>  Not measured</source>
        <translation>  Not measured</translation>
    </message>
    <message>
        <source>  Placement %1, %2, %3: move the MICR line %4</source>
        <translation>  Placement %1, %2, %3: move the MICR line %4</translation>
    </message>
    <message>
        <source>  Placement not measured</source>
        <translation>  Placement not measured</translation>
    </message>
    <message>
        <source>  MICR line: %1</source>
        <translation>  MICR line: %1</translation>
    </message>
    <message>
        <source>No printer profiles.</source>
        <translation>No printer profiles.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pt, neither Letter nor A4: its checks are taken as %3 stock&apos;s. Print the check on the paper of the stock.</source>
        <translation>The page is %1 x %2 pt, neither Letter nor A4: its cheques are taken as %3 stock&apos;s. Print the cheque on the paper of the stock.</translation>
    </message>
    <message>
        <source>The MICR line is drawn as shapes, not as text: its glyphs are in a font with no name, as a program makes them when the face cannot be embedded. Install the face so that the program may embed it, or print from a program that embeds it.</source>
        <translation>The MICR line is drawn as shapes, not as text: its glyphs are in a font with no name, as a program makes them when the face cannot be embedded. Install the face so that the program may embed it, or print from a program that embeds it.</translation>
    </message>
    <message>
        <source>The MICR line is drawn as shapes, not as text: the text was converted to curves. Print it as text (turn off &quot;convert text to paths&quot; or &quot;no output fonts&quot;).</source>
        <translation>The MICR line is drawn as shapes, not as text: the text was converted to curves. Print it as text (turn off &quot;convert text to paths&quot; or &quot;no output fonts&quot;).</translation>
    </message>
    <message>
        <source>Page %1 of %2 read (choose another with --page).</source>
        <translation>Page %1 of %2 read (choose another with --page).</translation>
    </message>
    <message>
        <source>Its characters stand %1 in apart (the standard&apos;s pitch is %2 in): each is read in the position nearest its cell.</source>
        <translation>Its characters stand %1 in apart (the standard&apos;s pitch is %2 in): each is read in the position nearest its cell.</translation>
    </message>
    <message>
        <source>%1 has no page %3: it has %2</source>
        <translation>%1 has no page %3: it has %2</translation>
    </message>
    <message>
        <source>%1 could not be read: its page or text is sized beyond any paper, so it is damaged</source>
        <translation>%1 could not be read: its page or text is sized beyond any paper, so it is damaged</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader program, micr-calibration-reader, is not installed</source>
        <translation>%1 could not be read: the reader program, micr-calibration-reader, is not installed</translation>
    </message>
    <message>
        <source>%1 could not be read: reading it stopped the reader, so it is damaged or hostile</source>
        <translation>%1 could not be read: reading it stopped the reader, so it is damaged or hostile</translation>
    </message>
    <message>
        <source>%1 could not be read: it needs more than %2 MB of memory</source>
        <translation>%1 could not be read: it needs more than %2 MB of memory</translation>
    </message>
    <message>
        <source>%1 could not be read: it was still being read after %2 s</source>
        <translation>%1 could not be read: it was still being read after %2 s</translation>
    </message>
    <message>
        <source>Readings from the scan (%1 dpi): bar %2, right %3, bottom %4 (from the printed rule), top %5</source>
        <translation>Readings from the scan (%1 dpi): bar %2, right %3, bottom %4 (from the printed rule), top %5</translation>
    </message>
    <message>
        <source>, vertical bar %1</source>
        <translation>, vertical bar %1</translation>
    </message>
    <message>
        <source>the scan cannot be read: %1</source>
        <translation>the scan cannot be read: %1</translation>
    </message>
    <message>
        <source>the scan is too large to measure (%1 pixels); scan at 600 dpi</source>
        <translation>the scan is too large to measure (%1 pixels); scan at 600 dpi</translation>
    </message>
    <message>
        <source>the scan does not say its resolution; give it with --dpi (at least %1 dpi, 600 dpi is best)</source>
        <translation>the scan does not say its resolution; give it with --dpi (at least %1 dpi, 600 dpi is best)</translation>
    </message>
    <message>
        <source>the scan&apos;s %1 dpi is too coarse for the tolerances: scan at %2 dpi or more (600 dpi is best)</source>
        <translation>the scan&apos;s %1 dpi is too coarse for the tolerances: scan at %2 dpi or more (600 dpi is best)</translation>
    </message>
    <message>
        <source>the scan is blank: nothing was scanned</source>
        <translation>the scan is blank: nothing was scanned</translation>
    </message>
    <message>
        <source>the paper&apos;s four edges do not show in the scan: scan the sheet whole, with a dark sheet behind it</source>
        <translation>the paper&apos;s four edges do not show in the scan: scan the sheet whole, with a dark sheet behind it</translation>
    </message>
    <message>
        <source>the sheet lies sideways in the scan: scan it upright</source>
        <translation>the sheet lies sideways in the scan: scan it upright</translation>
    </message>
    <message>
        <source>the page is upside down in the scan: turn it round and scan it again</source>
        <translation>the page is upside down in the scan: turn it round and scan it again</translation>
    </message>
    <message>
        <source>this is not the page asked for: its marks are not where that page puts them (check --cheque, --paper and --line)</source>
        <translation>this is not the page asked for: its marks are not where that page puts them (check --cheque, --paper and --line)</translation>
    </message>
    <message>
        <source>no MICR line in the check&apos;s clear band (check --cheque and --paper)</source>
        <translation>no MICR line in the cheque&apos;s clear band (check --cheque and --paper)</translation>
    </message>
    <message>
        <source>the scan could not be measured: %1</source>
        <translation>the scan could not be measured: %1</translation>
    </message>
    <message>
        <source>Scan: %1 dpi, the sheet %2 x %3 in, turned %4 degrees on the glass</source>
        <translation>Scan: %1 dpi, the sheet %2 x %3 in, turned %4 degrees on the glass</translation>
    </message>
    <message>
        <source>MICR line read: %1</source>
        <translation>MICR line read: %1</translation>
    </message>
    <message>
        <source>Last character&apos;s right end: %1 from the check&apos;s right edge; baseline %2 above its bottom edge</source>
        <translation>Last character&apos;s right end: %1 from the cheque&apos;s right edge; baseline %2 above its bottom edge</translation>
    </message>
    <message>
        <source>Move the line: %1</source>
        <translation>Move the line: %1</translation>
    </message>
    <message>
        <source>Pitch: %1 in (0.125 in nominal)</source>
        <translation>Pitch: %1 in (0.125 in nominal)</translation>
    </message>
    <message>
        <source>Bar width: %1 in (0.013 in nominal)</source>
        <translation>Bar width: %1 in (0.013 in nominal)</translation>
    </message>
    <message>
        <source>Skew: %1 degrees</source>
        <translation>Skew: %1 degrees</translation>
    </message>
    <message>
        <source>Clear band: %1 marks, %2 of them small spots counted</source>
        <translation>Clear band: %1 marks, %2 of them small spots counted</translation>
    </message>
    <message>
        <source>Fault %1 at position %2: %3</source>
        <translation>Fault %1 at position %2: %3</translation>
    </message>
    <message>
        <source>Within tolerance.</source>
        <translation>Within tolerance.</translation>
    </message>
    <message>
        <source>Not within tolerance.</source>
        <translation>Not within tolerance.</translation>
    </message>
    <message>
        <source>The MICR line is in %1, but the file keeps no characters for its glyphs (as pdftops and Ghostscript&apos;s ps2write write PostScript), so where each character lands cannot be read. Check the PDF the program prints instead.</source>
        <translation>The MICR line is in %1, but the file keeps no characters for its glyphs (as pdftops and Ghostscript&apos;s ps2write write PostScript), so where each character lands cannot be read. Check the PDF the program prints instead.</translation>
    </message>
    <message>
        <source>the PDF has %1 pages, and a scan is one page: save each scanned page in a file of its own</source>
        <translation>the PDF has %1 pages, and a scan is one page: save each scanned page in a file of its own</translation>
    </message>
    <message>
        <source>the PDF&apos;s page holds no image, so it is no scan: save the scan as PNG, TIFF, JPEG or a PDF of one image</source>
        <translation>the PDF&apos;s page holds no image, so it is no scan: save the scan as PNG, TIFF, JPEG or a PDF of one image</translation>
    </message>
    <message>
        <source>the PDF&apos;s page holds %1 images, and a scan is one: save the scan as PNG, TIFF, JPEG or a PDF of one image</source>
        <translation>the PDF&apos;s page holds %1 images, and a scan is one: save the scan as PNG, TIFF, JPEG or a PDF of one image</translation>
    </message>
    <message>
        <source>line %1 %2 in +/- %3</source>
        <translation>line %1 %2 in +/- %3</translation>
    </message>
    <message>
        <source>Lengths from the scan (%1 dpi, scaled by line %2&apos;s ruler reading): %3</source>
        <translation>Lengths from the scan (%1 dpi, scaled by line %2&apos;s ruler reading): %3</translation>
    </message>
    <message>
        <source>Lengths from the scan (%1 dpi, at the scan&apos;s resolution, known to %2 %): %3</source>
        <translation>Lengths from the scan (%1 dpi, at the scan&apos;s resolution, known to %2 %): %3</translation>
    </message>
    <message>
        <source>Line %1 cannot be decided from the scan: within its uncertainty it is %2 or %3.</source>
        <translation>Line %1 cannot be decided from the scan: within its uncertainty it is %2 or %3.</translation>
    </message>
    <message>
        <source>The answer cannot be decided from the scan alone: the scanner&apos;s scale may be off by %1 %. Measure one line with a ruler to set the scale.</source>
        <translation>The answer cannot be decided from the scan alone: the scanner&apos;s scale may be off by %1 %. Measure one line with a ruler to set the scale.</translation>
    </message>
    <message>
        <source>only %1 of the five sample lines were found on the scan: each line&apos;s two marks must show, 7 in apart; scan the whole page again</source>
        <translation>only %1 of the five sample lines were found on the scan: each line&apos;s two marks must show, 7 in apart; scan the whole page again</translation>
    </message>
    <message>
        <source>no sample line&apos;s marks were found on the scan: this is not the calibration page, or it was printed without the MICR faces (see the fonts command)</source>
        <translation>no sample line&apos;s marks were found on the scan: this is not the calibration page, or it was printed without the MICR faces (see the fonts command)</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; scales the pages it is sent by itself (its print-scaling setting is &quot;%2&quot;), so this page would not print at its own size and could not be measured.</source>
        <translation>The printer &quot;%1&quot; scales the pages it is sent by itself (its print-scaling setting is &quot;%2&quot;), so this page would not print at its own size and could not be measured.</translation>
    </message>
    <message>
        <source>Open the printer&apos;s web page, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</source>
        <translation>Open the printer&apos;s web page, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</translation>
    </message>
    <message>
        <source>Open the printer&apos;s web page, %1, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</source>
        <translation>Open the printer&apos;s web page, %1, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</translation>
    </message>
    <message>
        <source>the PDF is encrypted</source>
        <translation>the PDF is encrypted</translation>
    </message>
    <message>
        <source>not a PDF that can be read</source>
        <translation>not a PDF that can be read</translation>
    </message>
    <message>
        <source>its page cannot be read</source>
        <translation>its page cannot be read</translation>
    </message>
    <message>
        <source>a PDF scan is read with pdfimages, which is not installed (poppler-utils)</source>
        <translation>a PDF scan is read with pdfimages, which is not installed (poppler-utils)</translation>
    </message>
    <message>
        <source>pdfimages did not finish</source>
        <translation>pdfimages did not finish</translation>
    </message>
    <message>
        <source>its page has no size</source>
        <translation>its page has no size</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>it is not an image this program reads (PNG, TIFF, JPEG)</source>
        <translation>it is not an image this program reads (PNG, TIFF, JPEG)</translation>
    </message>
    <message>
        <source>the image is damaged or cut short</source>
        <translation>the image is damaged or cut short</translation>
    </message>
</context>
</TS>
