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
        <translation>pick the line nearest to Line 3. Using a MICR Check Gauge, align the left side of position #62 with the first mark</translation>
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
        <translation>A hand writing a cheque</translation>
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
        <source>Pick the line on the caibration sheet that is 7 inches long</source>
        <translation>Pick the line on the caibration sheet that is 7 inches long</translation>
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
        <translation>Check Gauge Instructions</translation>
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
        <translation>Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</translation>
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
</context>
<context>
    <name>TMeasurements</name>
    <message>
        <source>Measured Lengths</source>
        <translation>Measured Lengths</translation>
    </message>
    <message>
        <source>Measure each sample line of the calibration page from the left edge of its first mark to the left edge of its last mark, and type what you read, in inches (7.06, 7 1/16) or millimetres (179.3 mm). One line is enough; more lines make the answer surer.</source>
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
        <source>The length of line 1 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
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
        <source>The length of line 2 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
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
        <source>The length of line 3 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
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
        <source>The length of line 4 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
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
        <source>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</translation>
    </message>
    <message>
        <source>Measured length of line 5</source>
        <translation>Measured length of line 5</translation>
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
        <translation>Type your bank&apos;s details as they stand on a cheque the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s cheque. F1 opens the help.</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s cheques follow</source>
        <translation>The country whose layout the bank&apos;s cheques follow</translation>
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
        <translation>The bank&apos;s 9-digit routing number, between the transit symbols on its cheques</translation>
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
        <translation>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</translation>
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
        <translation>The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</translation>
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
        <translation>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal cheques the cheque number</translation>
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
        <translation>Business cheques: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</translation>
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
        <translation>Cheque &amp;width:</translation>
    </message>
    <message>
        <source>The cheque&apos;s width, for where the line&apos;s left end goes</source>
        <translation>The cheque&apos;s width, for where the line&apos;s left end goes</translation>
    </message>
    <message>
        <source>Cheque width</source>
        <translation>Cheque width</translation>
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
        <translation>Print the placement page on your cheque stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your cheque-printing software. F1 opens the help.</translation>
    </message>
    <message>
        <source>Cheque on the &amp;sheet:</source>
        <translation>Cheque on the &amp;sheet:</translation>
    </message>
    <message>
        <source>Which cheque of 3-up stock the page is laid out for</source>
        <translation>Which cheque of 3-up stock the page is laid out for</translation>
    </message>
    <message>
        <source>Cheque on the sheet</source>
        <translation>Cheque on the sheet</translation>
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
        <translation>Choose a printer and print the placement page for this cheque and stock, in the face of the line chosen on step 2</translation>
    </message>
    <message>
        <source>&amp;Print Placement Page</source>
        <translation>&amp;Print Placement Page</translation>
    </message>
    <message>
        <source>Cheque s&amp;tock:</source>
        <translation>Cheque s&amp;tock:</translation>
    </message>
    <message>
        <source>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</source>
        <translation>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</translation>
    </message>
    <message>
        <source>Cheque stock</source>
        <translation>Cheque stock</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a cheque</source>
        <translation>3-up on Letter, 3.5 in a cheque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a cheque</source>
        <translation>3-up on A4, 99 mm a cheque</translation>
    </message>
    <message>
        <source>The height of one cheque of your stock, from its top edge to its perforation</source>
        <translation>The height of one cheque of your stock, from its top edge to its perforation</translation>
    </message>
    <message>
        <source>Height of one cheque</source>
        <translation>Height of one cheque</translation>
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
        <source>The length of the reference bar from its first tick to its last, in inches (7.000, 7 1/64) or millimetres (177.8 mm)</source>
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
        <translation>Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</translation>
    </message>
    <message>
        <source>Baseline measured from</source>
        <translation>Baseline measured from</translation>
    </message>
    <message>
        <source>Cheque&apos;s bottom edge to the baseline:</source>
        <translation>Cheque&apos;s bottom edge to the baseline:</translation>
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
        <translation>Print the placement page again with the total correction applied, as your cheque-printing software will apply it; then measure it again to check the correction</translation>
    </message>
    <message>
        <source>Print the placement page with this correction</source>
        <translation>Print the placement page with this correction</translation>
    </message>
    <message>
        <source>Print With This &amp;Correction</source>
        <translation>Print With This &amp;Correction</translation>
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
        <translation>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your cheque-printing software. Calibrate again after a toner change or on new cheque stock.</translation>
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
</context>
<context>
    <name>Wording</name>
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
</context>
</TS>
