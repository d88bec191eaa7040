<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Phone: %1</source>
        <translation>Tél.&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fax: %1</source>
        <translation>Fax&#xa0;: %1</translation>
    </message>
    <message>
        <source>This MICR calibration page helps you select the correct MICR font for your printer and operating system. Once</source>
        <translation>Cette page d&apos;étalonnage vous aide à choisir la police MICR qui convient à votre imprimante et à votre système.</translation>
    </message>
    <message>
        <source>this page is cool, measure the length of each of the five sample MICR lines below using the marks below each</source>
        <translation>Une fois la page refroidie, mesurez les cinq lignes MICR d&apos;essai ci-dessous d&apos;après les repères sous chaque</translation>
    </message>
    <message>
        <source>MICR line. Select the line that is closest to 7 inches and enter that line number into the calibration program. This</source>
        <translation>ligne. Choisissez la ligne la plus proche de 7&#xa0;pouces et tapez son numéro dans le programme d&apos;étalonnage,</translation>
    </message>
    <message>
        <source>will display the name of the MICR font to use on your system. If your printer shows two lines of the same length,</source>
        <translation>qui affichera le nom de la police MICR à utiliser. Si deux lignes ont la même longueur, prenez la plus proche de</translation>
    </message>
    <message>
        <source>pick the line nearest to Line 3. Using a MICR Check Gauge, align the left side of position #62 with the first mark</source>
        <translation>la ligne 3. Avec une jauge MICR, alignez le côté gauche de la position 62 sur le premier repère sous chaque</translation>
    </message>
    <message>
        <source>below each MICR line. The last mark below that same MICR line should match the left side of position #6.</source>
        <translation>ligne MICR. Le dernier repère sous cette même ligne doit tomber sur le côté gauche de la position 6.</translation>
    </message>
    <message>
        <source>Line %1,  typeface name:  </source>
        <translation>Ligne %1,  nom de la police&#xa0;:  </translation>
    </message>
    <message>
        <source>The four special symbols needed in MICR encoding are accessed by using the characters shown below:</source>
        <translation>Les quatre symboles spéciaux du codage MICR s&apos;obtiennent avec les caractères ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Transit,   use &quot;A&quot; or &quot;:&quot; </source>
        <translation>Transit,   tapez «&#xa0;A&#xa0;» ou «&#xa0;:&#xa0;» </translation>
    </message>
    <message>
        <source>Amount,   use &quot;B&quot; or &quot;;&quot; </source>
        <translation>Montant,   tapez «&#xa0;B&#xa0;» ou «&#xa0;;&#xa0;» </translation>
    </message>
    <message>
        <source>On-Us,   use &quot;C&quot; or &quot;&lt;&quot; </source>
        <translation>On-us,   tapez «&#xa0;C&#xa0;» ou «&#xa0;&lt;&#xa0;» </translation>
    </message>
    <message>
        <source>Dash,   use &quot;D&quot; or &quot;=&quot; </source>
        <translation>Tiret,   tapez «&#xa0;D&#xa0;» ou «&#xa0;=&#xa0;» </translation>
    </message>
    <message>
        <source>This package also includes eight Warden Fonts%1. These font styles include:</source>
        <translation>Ce produit comprend aussi huit polices Warden Fonts%1. Les voici&#xa0;:</translation>
    </message>
    <message>
        <source>A much larger set of 26 Warden Fonts%1, some of which support upper and lower case letters plus international</source>
        <translation>Un ensemble de 26 polices Warden Fonts%1, dont certaines ont majuscules, minuscules et jeux de caractères</translation>
    </message>
    <message>
        <source>character sets, is available at our web site. Call us (%1) or visit our web site for more information</source>
        <translation>internationaux, est offert sur notre site Web. Appelez-nous (%1) ou visitez notre site</translation>
    </message>
    <message>
        <source>and samples: %1.</source>
        <translation>pour en savoir plus et voir des exemples&#xa0;: %1.</translation>
    </message>
    <message>
        <source>We can also convert your signature or company logo into a font, for check printing or use anywhere in Windows.</source>
        <translation>Nous pouvons aussi faire une police de votre signature ou de votre logo, pour vos chèques ou tout autre usage.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>ChequeCommand</name>
    <message>
        <source>Checks a check printed to a file by another program.</source>
        <translation>Vérifie un chèque imprimé dans un fichier par un autre logiciel.</translation>
    </message>
    <message>
        <source>Reads the MICR line out of one check that a check-printing program printed to
a file (PDF, or PostScript through Ghostscript) and checks it against a printer:
its face and size, each character&apos;s position and the fields, where position 1
and the baseline land on the paper, how far to move the line in that program,
and every other mark in the clear band. Exits with 0 with no fault and both
moves within 1/32 in, 1 otherwise (also when no MICR line is found), and 2
for a file that cannot be read.</source>
        <translation>Lit la ligne MICR d&apos;un chèque qu&apos;un logiciel d&apos;impression de chèques a imprimé dans un
fichier (PDF, ou PostScript par Ghostscript) et la vérifie pour une imprimante&#xa0;:
sa police et sa taille, la position de chaque caractère et les champs, où la
position 1 et la ligne de base tombent sur le papier, de combien déplacer la
ligne dans ce logiciel, et toute autre impression dans la bande libre. Termine avec 0
sans défaut et les deux déplacements à 1/32&#xa0;po près, 1 sinon (aussi quand
aucune ligne MICR n&apos;est trouvée), et 2 pour un fichier illisible.</translation>
    </message>
    <message>
        <source>The check file, PDF or PostScript.</source>
        <translation>Le fichier du chèque, PDF ou PostScript.</translation>
    </message>
    <message>
        <source>--cheque-height: %1</source>
        <translation>--cheque-height&#xa0;: %1</translation>
    </message>
    <message>
        <source>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</source>
        <translation>--printer prend la police du profil de l&apos;imprimante&#xa0;: donnez --printer, ou --line et --bold</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: see the profiles command</source>
        <translation>aucune imprimante «&#xa0;%1&#xa0;» n&apos;est retenue&#xa0;: voir la commande profiles</translation>
    </message>
    <message>
        <source>printer &quot;%1&quot;&apos;s face, %2, is not installed: see the fonts command</source>
        <translation>la police de l&apos;imprimante «&#xa0;%1&#xa0;», %2, n&apos;est pas installée&#xa0;: voir la commande fonts</translation>
    </message>
    <message>
        <source>Line %1&apos;s face, %2, is not installed, so its printer&apos;s scale is unknown: see the fonts command</source>
        <translation>la police de la ligne %1, %2, n&apos;est pas installée, l&apos;échelle de son imprimante est donc inconnue&#xa0;: voir la commande fonts</translation>
    </message>
    <message>
        <source>Without --printer: the printer on which calibration line N&apos;s face (1 to 5, default 3) prints the MICR line 7.000 in long, with no shift.</source>
        <translation>Sans --printer&#xa0;: l&apos;imprimante sur laquelle la police de la ligne d&apos;étalonnage N (1 à 5, 3 par défaut) imprime la ligne MICR longue de 7,000&#xa0;po, sans décalage.</translation>
    </message>
    <message>
        <source>The printer the check will print on, by its CUPS queue: the face calibrated there and the placement measured there (see the profiles command). Without it, --line N.</source>
        <translation>L&apos;imprimante sur laquelle le chèque sera imprimé, par sa file CUPS&#xa0;: la police étalonnée et le placement mesuré sur elle (voir la commande profiles). Sans elle, --line N.</translation>
    </message>
    <message>
        <source>Without --printer: the printer is calibrated for --line&apos;s bold face.</source>
        <translation>Sans --printer&#xa0;: l&apos;imprimante est étalonnée pour la police grasse de --line.</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>un objet JSON</translation>
    </message>
    <message>
        <source>--page: &quot;%1&quot; is no page number (1, 2, ...)</source>
        <translation>--page&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un numéro de page (1, 2, ...)</translation>
    </message>
    <message>
        <source>The page of the file that holds the check, from 1. Without it, the first page with text in a MICR face.</source>
        <translation>La page du fichier qui porte le chèque, à partir de 1. Sans elle, la première page qui a du texte dans une police MICR.</translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>Checks a MICR line as typed.</source>
        <translation>Vérifie une ligne MICR telle que saisie.</translation>
    </message>
    <message>
        <source>Checks a MICR line as typed against the standard&apos;s fields, its last character
at position 14 (at 1 when it ends in an amount field), and prints it as the
line command does. Exits with 0 with no fault, 1 with one.</source>
        <translation>Vérifie une ligne MICR telle que saisie par rapport aux champs de la norme, son
dernier caractère en position 14 (en 1 si elle finit par un champ de montant),
et l&apos;affiche comme la commande line. Sort avec 0 sans défaut, 1 avec un défaut.</translation>
    </message>
    <message>
        <source>The line as typed, symbols as A B C D or : ; &lt; =.</source>
        <translation>La ligne telle que saisie, les symboles en A B C D ou en «&#xa0;:&#xa0;», «&#xa0;;&#xa0;», «&#xa0;&lt;&#xa0;» et «&#xa0;=&#xa0;».</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>un objet JSON</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options]%3</source>
        <translation>Utilisation&#xa0;: %1 %2 [options]%3</translation>
    </message>
    <message>
        <source>%1 writes a page or file (for %2); %3 writes no file</source>
        <translation>%1 écrit une page ou un fichier (pour %2)&#xa0;; %3 n&apos;écrit aucun fichier</translation>
    </message>
    <message>
        <source>%1 is for %2; %3 takes no %1</source>
        <translation>%1 est pour %2&#xa0;; %3 ne prend pas %1</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 demande %2</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>argument inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>Prints %1 instead of text.</source>
        <translation>Affiche %1 au lieu du texte.</translation>
    </message>
    <message>
        <source>letter (default) or a4. The calibration page starts a quarter inch in from the paper&apos;s top and left edges; the placement page is measured from the paper&apos;s own edges, on 3-up stock of the paper.</source>
        <translation>letter (par défaut) ou a4. La page d&apos;étalonnage commence à un quart de pouce des bords supérieur et gauche du papier&#xa0;; la page de placement se mesure depuis les bords du papier, sur des formules de 3 chèques par feuille de ce papier.</translation>
    </message>
    <message>
        <source>The check&apos;s width (default 8.5 in), for where the line&apos;s left end goes.</source>
        <translation>La largeur du chèque (8,5&#xa0;po par défaut), pour placer l&apos;extrémité gauche de la ligne.</translation>
    </message>
    <message>
        <source>The top (default), middle or bottom check of 3-up stock.</source>
        <translation>Le chèque du haut (par défaut), du milieu ou du bas d&apos;une feuille de 3 chèques.</translation>
    </message>
    <message>
        <source>The height of one check of 3-up stock, from 3 in to a third of the paper (default 3.5 in on Letter, 99 mm on A4).</source>
        <translation>La hauteur d&apos;un chèque d&apos;une feuille de 3, de 3&#xa0;po au tiers du papier (par défaut 3,5&#xa0;po sur Lettre, 99&#xa0;mm sur A4).</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line is in the face of calibration line N (1 to 5, default 3); with --bold, its bold face.</source>
        <translation>La ligne MICR de la page est dans la police de la ligne d&apos;étalonnage N (1 à 5, 3 par défaut)&#xa0;; avec --bold, dans sa police grasse.</translation>
    </message>
    <message>
        <source>The correction the page carries, as check-printing software applies it: its MICR line, position 1&apos;s tick and the baseline rule moved RIGHT and UP inches (negative: left and down), for example 0.04,-0.012. Readings of such a page give the move still to make and the total.</source>
        <translation>La correction que porte la page, appliquée comme le fait un logiciel d&apos;impression de chèques&#xa0;: sa ligne MICR, le trait de la position 1 et le filet de la ligne de base déplacés de RIGHT po vers la droite et UP po vers le haut (négatif&#xa0;: vers la gauche et le bas), par exemple 0.04,-0.012. Les mesures d&apos;une telle page donnent le déplacement qui reste à faire et le total.</translation>
    </message>
    <message>
        <source>--paper is letter or a4, not &quot;%1&quot;</source>
        <translation>--paper vaut letter ou a4, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 is %2 or %3, not &quot;%4&quot;</source>
        <translation>--%1 vaut %2 ou %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>Give the total correction the placement readings showed, as RIGHT,UP in inches: 0.04,-0.012.</source>
        <translation>Donnez la correction totale que les mesures de placement ont indiquée, en RIGHT,UP en pouces&#xa0;: 0.04,-0.012.</translation>
    </message>
    <message>
        <source>--applied takes RIGHT,UP in inches (negative: left and down), not &quot;%1&quot;</source>
        <translation>--applied prend RIGHT,UP en pouces (négatif&#xa0;: vers la gauche et le bas), pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--applied: %1</source>
        <translation>--applied&#xa0;: %1</translation>
    </message>
    <message>
        <source>--cheque-height: %1</source>
        <translation>--cheque-height&#xa0;: %1</translation>
    </message>
    <message>
        <source>--cheque-width: %1</source>
        <translation>--cheque-width&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 takes KEY=VALUE pairs, each once, not &quot;%2&quot;</source>
        <translation>%1 prend des paires KEY=VALUE, chacune une fois, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs layout=us or layout=ca</source>
        <translation>%1 demande layout=us ou layout=ca</translation>
    </message>
    <message>
        <source>%1 with layout=%2 takes no &quot;%3&quot;</source>
        <translation>%1 avec layout=%2 ne prend pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 with layout=%2 needs %3=</source>
        <translation>%1 avec layout=%2 demande %3=</translation>
    </message>
    <message>
        <source>Checks that the MICR and security faces are installed.</source>
        <translation>Vérifie que les polices MICR et de sécurité sont installées.</translation>
    </message>
    <message>
        <source>Lists each MICR and security face as installed or missing. Exits with 1 when a
standard MICR face is missing.</source>
        <translation>Liste chaque police MICR et de sécurité comme installée ou manquante. Sort avec 1
quand une police MICR standard manque.</translation>
    </message>
    <message>
        <source>-o FILE [page options]</source>
        <translation>-o FILE [options de page]</translation>
    </message>
    <message>
        <source>page -o FILE [page options]</source>
        <translation>page -o FILE [options de page]</translation>
    </message>
    <message>
        <source>--%1 and --%2 are different commands (%3 and %4): give one</source>
        <translation>--%1 et --%2 sont des commandes différentes (%3 et %4)&#xa0;: donnez-en une</translation>
    </message>
    <message>
        <source>--micr-line with -o prints on the placement page: add --page placement</source>
        <translation>--micr-line avec -o imprime sur la page de placement&#xa0;: ajoutez --page placement</translation>
    </message>
    <message>
        <source>Composes your own MICR line from your bank&apos;s details.</source>
        <translation>Compose votre ligne MICR à partir des coordonnées de votre banque.</translation>
    </message>
    <message>
        <source>Composes your own MICR line from your bank&apos;s details: prints the text to type,
each field&apos;s positions, every fault, and where the line goes on the check.
Exits with 0 with no fault, 1 with one. The page command&apos;s --micr-line prints
it on the placement page.</source>
        <translation>Compose votre ligne MICR à partir des coordonnées de votre banque&#xa0;: affiche le
texte à taper, les positions de chaque champ, chaque défaut et où la ligne va sur
le chèque. Sort avec 0 sans défaut, 1 avec un défaut. L&apos;option --micr-line de la
commande page l&apos;imprime sur la page de placement.</translation>
    </message>
    <message>
        <source>KEY=VALUE pairs joined by commas: layout=us with routing=NUMBER, onus=FIELD and, where the bank prints them, aux=FIELD and epc=DIGIT; or layout=ca with branch=NUMBER, institution=NUMBER, onus=FIELD and aux=FIELD. The on-us fields as your bank prints them, symbols as A B C D or : ; &lt; =. For example layout=us,routing=021000021,onus=123456789C.</source>
        <translation>Paires KEY=VALUE séparées par des virgules&#xa0;: layout=us avec routing=NUMBER, onus=FIELD et, si la banque les imprime, aux=FIELD et epc=DIGIT&#xa0;; ou layout=ca avec branch=NUMBER, institution=NUMBER, onus=FIELD et aux=FIELD. Les champs on-us tels que votre banque les imprime, les symboles en A B C D ou en «&#xa0;:&#xa0;», «&#xa0;;&#xa0;», «&#xa0;&lt;&#xa0;» et «&#xa0;=&#xa0;». Par exemple layout=us,routing=021000021,onus=123456789C.</translation>
    </message>
    <message>
        <source>Positions %1 to %2</source>
        <translation>Positions %1 à %2</translation>
    </message>
    <message>
        <source>Left end: %1 from the check&apos;s left edge (a check %2 in wide); baseline: %3 above its bottom edge</source>
        <translation>Extrémité gauche&#xa0;: %1 du bord gauche du chèque (un chèque de %2&#xa0;po de large)&#xa0;; ligne de base&#xa0;: %3 au-dessus de son bord inférieur</translation>
    </message>
    <message>
        <source>No faults.</source>
        <translation>Aucun défaut.</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>Défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Judges the lengths measured on a printed calibration page.</source>
        <translation>Évalue les longueurs mesurées sur une page d&apos;étalonnage imprimée.</translation>
    </message>
    <message>
        <source>Weighs the lengths measured on a printed calibration page and names the line
whose face prints the MICR line at 7 inches. Prints &quot;Line N: FACE&quot; when a
face is within tolerance, otherwise &quot;Not calibrated: REASON&quot;, then every
line&apos;s length, the residual and the verdict. Exits with 0 for good or
marginal, 1 when not calibrated.</source>
        <translation type="vanished">Évalue les longueurs mesurées sur une page d&apos;étalonnage imprimée et nomme la
ligne dont la police imprime la ligne MICR à 7&#xa0;pouces. Affiche «&#xa0;Ligne N&#xa0;: FACE&#xa0;»
quand une police est dans la tolérance, sinon «&#xa0;Non étalonné&#xa0;: REASON&#xa0;», puis la
longueur de chaque ligne, l&apos;écart et le verdict. Sort avec 0 pour bon ou
limite, 1 quand rien n&apos;est étalonné.</translation>
    </message>
    <message>
        <source>LINE=LENGTH[,LINE=LENGTH...], for example &quot;3=7 1/16,5=183.4 mm&quot; (inches, fractions, mm or cm).</source>
        <translation>LINE=LENGTH[,LINE=LENGTH...], par exemple «&#xa0;3=7 1/16,5=183.4&#xa0;mm&#xa0;» (pouces, fractions, mm ou cm).</translation>
    </message>
    <message>
        <source>the MICR faces are not installed, so no line can be predicted; see the fonts command</source>
        <translation>les polices MICR ne sont pas installées, aucune ligne ne peut donc être prédite&#xa0;; voir la commande fonts</translation>
    </message>
    <message>
        <source>there is no line %1 on the page: lines are 1 to 5</source>
        <translation>la page n&apos;a pas de ligne %1&#xa0;: les lignes vont de 1 à 5</translation>
    </message>
    <message>
        <source>line </source>
        <translation>ligne </translation>
    </message>
    <message>
        <source>Name the bold face of the line instead.</source>
        <translation>Nommer plutôt la police grasse de la ligne.</translation>
    </message>
    <message>
        <source>Writes the calibration page or the placement page to a PDF or PNG file.</source>
        <translation>Écrit la page d&apos;étalonnage ou la page de placement dans un fichier PDF ou PNG.</translation>
    </message>
    <message>
        <source>Writes the MICR calibration page or the placement page, exactly as the wizard
prints them: a PDF (FILE.pdf) or a raster image (FILE.png). Print the file at
100 % (no &quot;fit to page&quot;): measure the calibration page&apos;s sample lines, or the
placement page&apos;s bars and where its MICR line lands, and give the readings
back with the measure or place command.</source>
        <translation>Écrit la page d&apos;étalonnage MICR ou la page de placement, exactement comme
l&apos;assistant les imprime&#xa0;: un PDF (FILE.pdf) ou une image matricielle (FILE.png).
Imprimez le fichier à 100&#xa0;% (sans «&#xa0;ajuster à la page&#xa0;»)&#xa0;: mesurez les lignes
d&apos;essai de la page d&apos;étalonnage, ou les barres de la page de placement et où sa
ligne MICR tombe, et donnez les mesures aux commandes measure ou place.</translation>
    </message>
    <message>
        <source>warning: not installed, their sample lines cannot be measured: %1</source>
        <translation>avertissement&#xa0;: non installées, leurs lignes d&apos;essai ne peuvent être mesurées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the page was written, but its MICR line has faults a bank would reject:</source>
        <translation>la page a été écrite, mais sa ligne MICR a des défauts qu&apos;une banque refuserait&#xa0;:</translation>
    </message>
    <message>
        <source>--%1 is for the placement page: add --page placement</source>
        <translation>--%1 est pour la page de placement&#xa0;: ajoutez --page placement</translation>
    </message>
    <message>
        <source>--micr-line prints on the placement page: add --page placement</source>
        <translation>--micr-line imprime sur la page de placement&#xa0;: ajoutez --page placement</translation>
    </message>
    <message>
        <source>no output file: give one with -o FILE</source>
        <translation>aucun fichier de sortie&#xa0;: donnez-en un avec -o FILE</translation>
    </message>
    <message>
        <source>the output file must end in .pdf or .png, not &quot;%1&quot;</source>
        <translation>le fichier de sortie doit finir par .pdf ou .png, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--dpi takes N or XxY in dots per inch, not &quot;%1&quot;</source>
        <translation>--dpi prend N ou XxY en points par pouce, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--dpi must be between %1 and %2, not %3</source>
        <translation>--dpi doit être entre %1 et %2, pas %3</translation>
    </message>
    <message>
        <source>The file to write, FILE.pdf or FILE.png; it is written whole or not at all.</source>
        <translation>Le fichier à écrire, FILE.pdf ou FILE.png&#xa0;; il est écrit en entier ou pas du tout.</translation>
    </message>
    <message>
        <source>calibration (default): the page with five sample lines; placement: where the MICR line lands on a check, measured from the paper&apos;s edges.</source>
        <translation>calibration (par défaut)&#xa0;: la page aux cinq lignes d&apos;essai&#xa0;; placement&#xa0;: où la ligne MICR tombe sur un chèque, mesurée depuis les bords du papier.</translation>
    </message>
    <message>
        <source>The bold MICR faces: the calibration page&apos;s labels, the placement page&apos;s MICR line.</source>
        <translation>Les polices MICR grasses&#xa0;: les étiquettes de la page d&apos;étalonnage, la ligne MICR de la page de placement.</translation>
    </message>
    <message>
        <source>Device resolution the page is laid out for: N or XxY dots per inch (default 600).</source>
        <translation type="vanished">Résolution de l&apos;appareil pour laquelle la page est disposée&#xa0;: N ou XxY points par pouce (600 par défaut).</translation>
    </message>
    <message>
        <source>The placement page prints your own MICR line instead of the sample, composed from FIELDS as the line command takes them. A line with faults is printed all the same, its faults said on stderr and the status 1.</source>
        <translation>La page de placement imprime votre propre ligne MICR au lieu de l&apos;exemple, composée à partir de FIELDS comme la commande line les prend. Une ligne avec des défauts est imprimée quand même, ses défauts dits sur stderr et l&apos;état de sortie 1.</translation>
    </message>
    <message>
        <source>Judges what was measured on a printed placement page.</source>
        <translation>Évalue ce qui a été mesuré sur une page de placement imprimée.</translation>
    </message>
    <message>
        <source>Weighs what was measured on a printed placement page: prints the scale with its
verdict, where the MICR line landed and how far to move it in check-printing
software. Exits with 0 when the scale is fine and both moves are within
1/32 in, 1 otherwise (no move from a scaled page, nor from readings that
cannot be right), 2 for readings refused as typed (past the paper&apos;s edge).
The options describe the page as it was printed, --applied its correction.</source>
        <translation>Évalue ce qui a été mesuré sur une page de placement imprimée&#xa0;: affiche
l&apos;échelle avec son verdict, où la ligne MICR est tombée et de combien la
déplacer dans le logiciel d&apos;impression de chèques. Sort avec 0 quand l&apos;échelle
est bonne et que les deux déplacements sont à moins de 1/32&#xa0;po, 1 sinon (aucun
déplacement pour une page mise à l&apos;échelle, ni pour des mesures impossibles),
2 pour des mesures refusées telles que saisies (au-delà du bord du papier).
Les options décrivent la page telle qu&apos;imprimée, --applied sa correction.</translation>
    </message>
    <message>
        <source>bar=LENGTH,right=LENGTH,bottom=LENGTH or top=LENGTH instead of bottom, and optionally vbar=LENGTH: the reference bar, the distance from the paper&apos;s right edge to where position 1 ends, the baseline from the check&apos;s bottom edge (check stock) or from the paper&apos;s top edge (plain paper), and the vertical bar.</source>
        <translation>bar=LENGTH,right=LENGTH,bottom=LENGTH ou top=LENGTH au lieu de bottom, et au besoin vbar=LENGTH&#xa0;: la barre de référence, la distance du bord droit du papier à la fin de la position 1, la ligne de base depuis le bord inférieur du chèque (formules de chèques) ou depuis le bord supérieur du papier (papier ordinaire), et la barre verticale.</translation>
    </message>
    <message>
        <source>bar=LENGTH,right=LENGTH,bottom=LENGTH (or top=LENGTH)[,vbar=LENGTH]</source>
        <translation>bar=LENGTH,right=LENGTH,bottom=LENGTH (ou top=LENGTH)[,vbar=LENGTH]</translation>
    </message>
    <message>
        <source>%1 needs bar, right and one of bottom or top, as %2</source>
        <translation>%1 demande bar, right et l&apos;un de bottom ou top, comme %2</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line was in the bold face of --line.</source>
        <translation>La ligne MICR de la page était dans la police grasse de --line.</translation>
    </message>
    <message>
        <source>Lists the printers the wizard remembers.</source>
        <translation>Liste les imprimantes que l&apos;assistant a retenues.</translation>
    </message>
    <message>
        <source>Lists what the wizard remembers of each printer: its face, its last calibration
and its placement correction, from
~/.config/micr-calibration/printers.ini. It only reads: a damaged file is
said on stderr (with what could be read from it listed) and left where it
is, and the status is 1; the wizard sets it aside when it starts.</source>
        <translation>Liste ce que l&apos;assistant a retenu de chaque imprimante&#xa0;: sa police, son dernier
étalonnage et sa correction de placement, depuis
~/.config/micr-calibration/printers.ini. Elle ne fait que lire&#xa0;: un fichier
endommagé est signalé sur stderr (avec ce qui a pu en être lu) et laissé en
place, et l&apos;état de sortie est 1&#xa0;; l&apos;assistant le met de côté au démarrage.</translation>
    </message>
    <message>
        <source>one JSON array, an object for each printer (for a damaged file, an object: its problem and the printers that could be read),</source>
        <translation>un tableau JSON, un objet par imprimante (pour un fichier endommagé, un objet&#xa0;: son problème et les imprimantes qui ont pu être lues),</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>aucune commande «&#xa0;%1&#xa0;»&#xa0;; vouliez-vous dire «&#xa0;%2&#xa0;»&#xa0;?</translation>
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
        <translation>Utilisation&#xa0;: %1 COMMAND [options]
Écrit la page d&apos;étalonnage MICR et la page de placement exactement comme
l&apos;assistant les imprime, évalue ce qui y a été mesuré, compose et vérifie des
lignes MICR et liste les imprimantes que l&apos;assistant a retenues.

Commandes&#xa0;:
%2
Options&#xa0;:
%3
Chaque commande a ses propres options&#xa0;: %1 COMMAND --help.

État de sortie&#xa0;:
%4
Fichiers&#xa0;:
%5
Environnement&#xa0;:
%6
Exemples&#xa0;:
%7
Anciennes formes, toujours lues comme la commande qu&apos;elles sont devenues&#xa0;:
%8</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Done: the page written, the readings within tolerance,</source>
        <translation>Fait&#xa0;: la page écrite, les mesures dans la tolérance,</translation>
    </message>
    <message>
        <source>no fault found, the faces installed.</source>
        <translation>aucun défaut trouvé, les polices installées.</translation>
    </message>
    <message>
        <source>The page could not be written, or the answer is no: out</source>
        <translation>La page n&apos;a pu être écrite, ou la réponse est non&#xa0;: hors</translation>
    </message>
    <message>
        <source>of tolerance, a fault, a face missing.</source>
        <translation>tolérance, un défaut, une police manquante.</translation>
    </message>
    <message>
        <source>The command line was refused.</source>
        <translation>La ligne de commande a été refusée.</translation>
    </message>
    <message>
        <source>The printers the wizard</source>
        <translation>Les imprimantes que l&apos;assistant</translation>
    </message>
    <message>
        <source>remembers, read by profiles.</source>
        <translation>a retenues, lues par profiles.</translation>
    </message>
    <message>
        <source>The folder of printers.ini&apos;s folder, ~/.config by default.</source>
        <translation>Le dossier de configuration, qui contient micr-calibration/, ~/.config par défaut.</translation>
    </message>
    <message>
        <source>The language of the text; readings and --json are the same in each.</source>
        <translation>La langue du texte&#xa0;; les mesures et --json sont les mêmes dans chacune.</translation>
    </message>
    <message>
        <source>The print server whose printers the profiles are kept</source>
        <translation>Le serveur d&apos;impression dont les imprimantes ont des profils</translation>
    </message>
    <message>
        <source>for and the shell&apos;s completion offers.</source>
        <translation>et que propose la complétion du shell.</translation>
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
        <translation>  Écrire la page d&apos;étalonnage pour une imprimante de 1200&#xa0;ppp, sur A4&#xa0;:
    %1 page --dpi 1200 --paper a4 -o page.pdf
  Évaluer les longueurs des lignes 3 et 5 telles que mesurées&#xa0;:
    %1 measure &quot;3=7 1/64,5=182.2 mm&quot;
  Écrire la page de placement pour le chèque du milieu dans la police de la ligne 4&#xa0;:
    %1 page --page placement --cheque middle --line 4 -o place.pdf
  Évaluer ce qui y a été mesuré&#xa0;:
    %1 place bar=7,right=0.32,bottom=0.19 --cheque middle --line 4
  Composer une ligne MICR américaine, en JSON&#xa0;:
    %1 line layout=us,routing=021000021,onus=123456789C --json
</translation>
    </message>
    <message>
        <source>Try %1 --help.</source>
        <translation>Essayez %1 --help.</translation>
    </message>
    <message>
        <source>cannot start a PDF in %1</source>
        <translation>impossible de commencer un PDF dans %1</translation>
    </message>
    <message>
        <source>cannot finish the PDF %1: %2</source>
        <translation>impossible de terminer le PDF %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: a %2 x %3 pixel image is too large; use a lower --dpi or a PDF</source>
        <translation>%1&#xa0;: une image de %2 x %3 pixels est trop grande&#xa0;; prenez un --dpi plus bas ou un PDF</translation>
    </message>
    <message>
        <source>%1: not enough memory for a %2 x %3 pixel image</source>
        <translation>%1&#xa0;: pas assez de mémoire pour une image de %2 x %3 pixels</translation>
    </message>
    <message>
        <source>cannot encode the image %1: %2</source>
        <translation>impossible d&apos;encoder l&apos;image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installée</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquante</translation>
    </message>
    <message>
        <source>MICR, standard</source>
        <translation>MICR, standard</translation>
    </message>
    <message>
        <source>MICR, bold</source>
        <translation>MICR, grasse</translation>
    </message>
    <message>
        <source>security sample</source>
        <translation>exemple de sécurité</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 (not installed on this computer: install it before printing checks; see the fonts command)</source>
        <translation>Ligne %1&#xa0;: %2 (pas installée sur cet ordinateur&#xa0;: installez-la avant d&apos;imprimer des chèques&#xa0;; voir la commande fonts)</translation>
    </message>
    <message>
        <source>Not calibrated: %1</source>
        <translation>Non étalonné&#xa0;: %1</translation>
    </message>
    <message>
        <source>no length: face not installed</source>
        <translation>aucune longueur&#xa0;: police non installée</translation>
    </message>
    <message>
        <source>%1  predicted</source>
        <translation>%1  prédite</translation>
    </message>
    <message>
        <source>%1  measured</source>
        <translation>%1  mesurée</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>Scale: %1 % of the faces&apos; own widths</source>
        <translation>Échelle&#xa0;: %1&#xa0;% des largeurs propres des polices</translation>
    </message>
    <message>
        <source>Residual: %1 from 7 in (Line %2)</source>
        <translation>Écart&#xa0;: %1 par rapport à 7&#xa0;po (ligne %2)</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type (letters):</source>
        <translation>À taper (lettres)&#xa0;:</translation>
    </message>
    <message>
        <source>Type (punctuation):</source>
        <translation>À taper (ponctuation)&#xa0;:</translation>
    </message>
    <message>
        <source>Device resolution the page is laid out for: N or XxY dots per inch (default 1200, as the wizard prints it).</source>
        <translation>Résolution de l&apos;appareil pour laquelle la page est disposée&#xa0;: N ou XxY points par pouce (1200 par défaut, comme l&apos;assistant l&apos;imprime).</translation>
    </message>
    <message>
        <source>%1 needs READINGS or --scan FILE, not both</source>
        <translation>%1 demande READINGS ou --scan FILE, pas les deux</translation>
    </message>
    <message>
        <source>--dpi goes with --scan: it is the scan&apos;s resolution</source>
        <translation>--dpi va avec --scan&#xa0;: c&apos;est la résolution de la numérisation</translation>
    </message>
    <message>
        <source>--dpi takes a resolution in dots per inch, not &quot;%1&quot;</source>
        <translation>--dpi prend une résolution en points par pouce, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Instead of READINGS: take them from a scan of the printed page (PNG, TIFF or JPEG), the paper&apos;s edges showing against a dark lid.</source>
        <translation type="vanished">Au lieu de READINGS&#xa0;: les prendre sur une numérisation de la page imprimée (PNG, TIFF ou JPEG), les bords du papier visibles sur un couvercle sombre.</translation>
    </message>
    <message>
        <source>With --scan: the scan&apos;s resolution, where the file does not give it.</source>
        <translation>Avec --scan&#xa0;: la résolution de la numérisation, quand le fichier ne la donne pas.</translation>
    </message>
    <message>
        <source>Checks a printed check from its scan.</source>
        <translation>Vérifie un chèque imprimé d&apos;après sa numérisation.</translation>
    </message>
    <message>
        <source>Reads the MICR line of a printed check from a scan of the sheet (PNG, TIFF or
JPEG, its edges showing against a dark lid): each character recognised against
the face&apos;s own shapes, its position, its right edge and bottom from the check&apos;s
edges, the pitch, skew and bar width, and every mark in the clear band. Exits
with 0 within every tolerance, 1 otherwise or for a scan of the wrong thing, 2
for a file that cannot be taken as a scan.</source>
        <translation type="vanished">Lit la ligne MICR d&apos;un chèque imprimé sur une numérisation de la feuille (PNG, TIFF ou
JPEG, ses bords visibles sur un couvercle sombre)&#xa0;: chaque caractère reconnu
d&apos;après les formes de la police, sa position, son bord droit et son bas depuis
les bords du chèque, le pas, l&apos;inclinaison et la largeur des barres, et tout
repère dans la bande libre. Termine avec 0 dans toutes les tolérances, 1 sinon ou
pour une numérisation d&apos;autre chose, 2 pour un fichier qui n&apos;est pas une numérisation.</translation>
    </message>
    <message>
        <source>The scan: PNG, TIFF or JPEG.</source>
        <translation type="vanished">La numérisation&#xa0;: PNG, TIFF ou JPEG.</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1&#xa0;s</translation>
    </message>
    <message>
        <source>the scan helper stopped (out of memory?)</source>
        <translation>l&apos;outil de numérisation s&apos;est arrêté (mémoire épuisée?)</translation>
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
        <translation>Évalue les longueurs mesurées sur une page d&apos;étalonnage imprimée et nomme la
ligne dont la police imprime la ligne MICR à 7&#xa0;pouces. Affiche «&#xa0;Ligne N&#xa0;: FACE&#xa0;»
quand une police est dans la tolérance, sinon «&#xa0;Non étalonné&#xa0;: REASON&#xa0;», puis la
longueur de chaque ligne, l&apos;écart et le verdict. Sort avec 0 pour bon ou
limite, 1 quand rien n&apos;est étalonné.
Avec --scan, les longueurs sont mesurées sur une numérisation de la page (PNG, TIFF,
JPEG ou un PDF d&apos;une seule image), chacune de son premier repère à son dernier,
à la résolution de la numérisation, qu&apos;un numériseur tient à environ 0,2&#xa0;%&#xa0;: chaque
longueur est donnée avec son incertitude, une ligne dont elle laisse le verdict
ouvert est dite indécise, et seule une réponse utilisable dans cette incertitude
sort avec 0. La longueur d&apos;une ligne mesurée à la règle (--ruler) donne plutôt
l&apos;échelle. Une numérisation illisible sort avec 2, la numérisation d&apos;une autre page avec 1.</translation>
    </message>
    <message>
        <source>--%1 goes with --scan</source>
        <translation>--%1 va avec --scan</translation>
    </message>
    <message>
        <source>the ruler reading %1 is more than %2 % from line %3&apos;s length on the scan, %4: is it of another line, or misread?</source>
        <translation>la mesure à la règle %1 s&apos;écarte de plus de %2&#xa0;% de la longueur de la ligne %3 sur la numérisation, %4&#xa0;: est-elle d&apos;une autre ligne, ou mal lue&#xa0;?</translation>
    </message>
    <message>
        <source>--ruler takes one line&apos;s length, LINE=LENGTH, not &quot;%1&quot;</source>
        <translation>--ruler prend la longueur d&apos;une seule ligne, LINE=LENGTH, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Instead of READINGS: measure the lines on a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</source>
        <translation>Au lieu de READINGS&#xa0;: mesurer les lignes sur une numérisation de la page imprimée (PNG, TIFF, JPEG ou un PDF d&apos;une seule image), les bords du papier visibles sur un couvercle sombre.</translation>
    </message>
    <message>
        <source>With --scan: one line&apos;s length read with a ruler, as LINE=LENGTH (&quot;3=7 1/64&quot;), to set the scanner&apos;s scale.</source>
        <translation>Avec --scan&#xa0;: la longueur d&apos;une ligne mesurée à la règle, en LINE=LENGTH («&#xa0;3=7 1/64&#xa0;»), pour fixer l&apos;échelle du numériseur.</translation>
    </message>
    <message>
        <source>Instead of READINGS: take them from a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper&apos;s edges showing against a dark lid.</source>
        <translation>Au lieu de READINGS&#xa0;: les prendre sur une numérisation de la page imprimée (PNG, TIFF, JPEG ou un PDF d&apos;une seule image), les bords du papier visibles sur un couvercle sombre.</translation>
    </message>
    <message>
        <source>Reads the MICR line of a printed check from a scan of the sheet (PNG, TIFF,
JPEG or a one-image PDF, its edges showing against a dark lid): each character
recognised against the face&apos;s own shapes, its position, its right edge and
bottom from the check&apos;s edges, the pitch, skew and bar width, and every mark in
the clear band. Exits with 0 within every tolerance, 1 otherwise or for a scan
of the wrong thing, 2 for a file that cannot be taken as a scan.</source>
        <translation>Lit la ligne MICR d&apos;un chèque imprimé sur une numérisation de la feuille (PNG, TIFF,
JPEG ou un PDF d&apos;une seule image, ses bords visibles sur un couvercle sombre)&#xa0;:
chaque caractère reconnu d&apos;après les formes de la police, sa position, son bord
droit et son bas depuis les bords du chèque, le pas, l&apos;inclinaison et la largeur
des barres, et tout repère dans la bande libre. Termine avec 0 dans toutes les
tolérances, 1 sinon ou pour une numérisation d&apos;autre chose, 2 pour un fichier qui
n&apos;est pas une numérisation.</translation>
    </message>
    <message>
        <source>The scan: PNG, TIFF, JPEG or a PDF of one image.</source>
        <translation>La numérisation&#xa0;: PNG, TIFF, JPEG ou un PDF d&apos;une seule image.</translation>
    </message>
</context>
<context>
    <name>MicrApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Une erreur inattendue est survenue</translation>
    </message>
    <message>
        <source>MICR System Calibration</source>
        <translation>Étalonnage MICR</translation>
    </message>
</context>
<context>
    <name>MicrLinePreview</name>
    <message>
        <source>The MICR line on the position scale</source>
        <translation>La ligne MICR sur l&apos;échelle des positions</translation>
    </message>
    <message>
        <source>%1 at positions %2 to %3</source>
        <translation>%1 aux positions %2 à %3</translation>
    </message>
</context>
<context>
    <name>PlacementPage</name>
    <message>
        <source>top edge of the check</source>
        <translation>bord supérieur du chèque</translation>
    </message>
    <message>
        <source>bottom edge of the top check (the perforation)</source>
        <translation>bord inférieur du chèque du haut (la perforation)</translation>
    </message>
    <message>
        <source>bottom edge of the middle check (the perforation)</source>
        <translation>bord inférieur du chèque du milieu (la perforation)</translation>
    </message>
    <message>
        <source>bottom edge of the bottom check (the perforation)</source>
        <translation>bord inférieur du chèque du bas (la perforation)</translation>
    </message>
    <message>
        <source>MICR placement test page: top check of three</source>
        <translation>Page d&apos;essai du placement MICR&#xa0;: chèque du haut sur trois</translation>
    </message>
    <message>
        <source>MICR placement test page: middle check of three</source>
        <translation>Page d&apos;essai du placement MICR&#xa0;: chèque du milieu sur trois</translation>
    </message>
    <message>
        <source>MICR placement test page: bottom check of three</source>
        <translation>Page d&apos;essai du placement MICR&#xa0;: chèque du bas sur trois</translation>
    </message>
    <message>
        <source>Stock: %1. MICR line in %2 (Line %3) at 10 points.</source>
        <translation>Formules&#xa0;: %1. Ligne MICR en %2 (ligne %3) à 10&#xa0;points.</translation>
    </message>
    <message>
        <source>3. On check stock, bottom: from the paper&apos;s bottom edge (where the check ends) up to the baseline rule under the MICR line (%1 in).</source>
        <translation>3. Sur formule de chèque, bas&#xa0;: du bord inférieur du papier (où finit le chèque) jusqu&apos;au trait de base sous la ligne MICR (%1&#xa0;po).</translation>
    </message>
    <message>
        <source>3. On check stock, bottom: from the check&apos;s bottom edge (the perforation) up to the baseline rule under the MICR line (%1 in).</source>
        <translation>3. Sur formule de chèque, bas&#xa0;: du bord inférieur du chèque (la perforation) jusqu&apos;au trait de base sous la ligne MICR (%1&#xa0;po).</translation>
    </message>
    <message>
        <source>Print at 100 % (no &quot;fit to page&quot;) on your check stock, or on plain paper.</source>
        <translation>Imprimez à 100&#xa0;% (sans «&#xa0;ajuster à la page&#xa0;») sur vos formules de chèques, ou sur du papier ordinaire.</translation>
    </message>
    <message>
        <source>1. bar: the reference bar from its first tick to its last (7.000 in); vertical bar: the bar at the left, top tick to bottom tick (2.000 in).</source>
        <translation>1. barre&#xa0;: la barre de référence, du premier trait au dernier (7,000&#xa0;po)&#xa0;; barre verticale&#xa0;: à gauche, du trait du haut au trait du bas (2,000&#xa0;po).</translation>
    </message>
    <message>
        <source>2. right: from the paper&apos;s right edge to the long tick where position 1 ends, at the MICR line&apos;s right end (%1 in).</source>
        <translation>2. droite&#xa0;: du bord droit du papier au long trait où finit la position 1, au bout droit de la ligne MICR (%1&#xa0;po).</translation>
    </message>
    <message>
        <source>    On plain paper, top: from the paper&apos;s top edge down to the baseline rule (%1 in).</source>
        <translation>    Sur papier ordinaire, haut&#xa0;: du bord supérieur du papier jusqu&apos;au trait de base (%1&#xa0;po).</translation>
    </message>
    <message>
        <source>4. Type the readings into the placement window of MICR calibration (step 3).</source>
        <translation>4. Tapez les mesures dans la fenêtre de placement de l&apos;étalonnage MICR (étape 3).</translation>
    </message>
    <message>
        <source>Each MICR character should stand in its numbered cell of the scale under the MICR line.</source>
        <translation>Chaque caractère MICR doit se trouver dans sa case numérotée de l&apos;échelle, sous la ligne MICR.</translation>
    </message>
    <message>
        <source>Each MICR character should stand in its cell of the scale under the MICR line, counted from position 1 at the long tick.</source>
        <translation>Chaque caractère MICR doit se trouver dans sa case de l&apos;échelle, sous la ligne MICR, comptée depuis la position 1 au long trait.</translation>
    </message>
    <message>
        <source>Reference bar: 7.000 in from the first tick to the last</source>
        <translation>Barre de référence&#xa0;: 7,000&#xa0;po du premier trait au dernier</translation>
    </message>
    <message>
        <source>Vertical bar, at the left: 2.000 in from the top tick to the bottom tick</source>
        <translation>Barre verticale, à gauche&#xa0;: 2,000&#xa0;po du trait du haut à celui du bas</translation>
    </message>
    <message>
        <source>This page carries the correction %1</source>
        <translation>Cette page porte la correction %1</translation>
    </message>
    <message>
        <source>MICR clear band (the bottom 5/8 in): nothing but the MICR line below this rule</source>
        <translation>Bande libre MICR (les 5/8&#xa0;po du bas)&#xa0;: rien d&apos;autre que la ligne MICR sous ce trait</translation>
    </message>
    <message>
        <source>MICR print band: its lower rule is the baseline</source>
        <translation>Bande d&apos;impression MICR (trait du bas&#xa0;: ligne de base)</translation>
    </message>
    <message>
        <source>position 1 ends at the long tick below the baseline</source>
        <translation>la position 1 finit au long trait sous la ligne de base</translation>
    </message>
    <message>
        <source>the 7-inch reference bar</source>
        <translation>la barre de référence de 7&#xa0;pouces</translation>
    </message>
    <message>
        <source>the 2-inch vertical bar</source>
        <translation>la barre verticale de 2&#xa0;pouces</translation>
    </message>
    <message>
        <source>position 1&apos;s long tick</source>
        <translation>le long trait de la position 1</translation>
    </message>
    <message>
        <source>the baseline rule under the MICR line</source>
        <translation>le filet de la ligne de base sous la ligne MICR</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Pages per sheet: %1. The page is printed one to a sheet, at its own size.</source>
        <translation>Pages par feuille&#xa0;: %1. La page est imprimée seule sur la feuille, à sa propre taille.</translation>
    </message>
    <message>
        <source>Page set: %1. The page is printed whatever the page set.</source>
        <translation>Jeu de pages&#xa0;: %1. La page est imprimée quel que soit le jeu de pages.</translation>
    </message>
    <message>
        <source>Mirror: %1. The page is printed unmirrored, so that it reads as drawn.</source>
        <translation>Miroir&#xa0;: %1. La page est imprimée sans miroir, pour se lire comme dessinée.</translation>
    </message>
    <message>
        <source>Orientation: %1. The page is printed upright (portrait).</source>
        <translation>Orientation&#xa0;: %1. La page est imprimée à la verticale (portrait).</translation>
    </message>
    <message>
        <source>Fit to page: %1. The page is printed at 100 %.</source>
        <translation>Ajuster à la page&#xa0;: %1. La page est imprimée à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Scaling: %1. The page is printed at 100 %.</source>
        <translation>Mise à l&apos;échelle&#xa0;: %1. La page est imprimée à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>The page is measured with a ruler, so it must print exactly as drawn.</source>
        <translation>La page se mesure à la règle&#xa0;: elle doit s&apos;imprimer exactement comme dessinée.</translation>
    </message>
    <message>
        <source>Pages: %1 to %2. The document is one page, printed whole.</source>
        <translation>Pages&#xa0;: %1 à %2. Le document n&apos;a qu&apos;une page, imprimée en entier.</translation>
    </message>
    <message>
        <source>Orientation: landscape. The page is printed upright (portrait).</source>
        <translation>Orientation&#xa0;: paysage. La page est imprimée à la verticale (portrait).</translation>
    </message>
    <message>
        <source>Paper: %1. The page is laid out on the printer&apos;s own paper, %2, so that nothing scales it.</source>
        <translation>Papier&#xa0;: %1. La page est disposée sur le papier de l&apos;imprimante, %2, pour que rien ne la mette à l&apos;échelle.</translation>
    </message>
    <message>
        <source>The print system (CUPS) cannot be reached at %1. Start it, then print the calibration page again</source>
        <translation>Le système d&apos;impression (CUPS) est injoignable à %1. Démarrez-le, puis réimprimez la page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist any more. Choose another printer</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;existe plus. Choisissez-en une autre</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs. Ask whoever runs it to let it accept jobs, or choose another printer</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de travaux. Demandez à son responsable de lui faire accepter des travaux, ou choisissez une autre imprimante</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so the page would wait in its queue. Resume the printer, or choose another one</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est arrêtée&#xa0;: la page attendrait dans sa file. Relancez l&apos;imprimante, ou choisissez-en une autre</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>These MICR fonts are not installed: %1.</source>
        <translation>Ces polices MICR ne sont pas installées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Imprimer quand même</translation>
    </message>
    <message>
        <source>The page is printed exactly as drawn, so these print dialog choices are not used:</source>
        <translation>La page est imprimée exactement comme dessinée&#xa0;: ces choix de la boîte d&apos;impression ne servent donc pas&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot print the %1 on &quot;%2&quot;: the printer did not accept the job</source>
        <translation>Impossible d&apos;imprimer la %1 sur «&#xa0;%2&#xa0;»&#xa0;: l&apos;imprimante n&apos;a pas accepté le travail</translation>
    </message>
    <message>
        <source>The %1 could not be sent to the printer</source>
        <translation>La %1 n&apos;a pu être envoyée à l&apos;imprimante</translation>
    </message>
    <message>
        <source>The page is laid out for the stock: print it on %1 paper, or cancel and choose the stock that is on the printer&apos;s paper.</source>
        <translation>La page est disposée pour les formules&#xa0;: imprimez-la sur du papier %1, ou annulez et choisissez les formules qui vont sur le papier de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Print on %1</source>
        <translation>Imprimer sur %1</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, but the stock chosen (%2) is on %3 paper.</source>
        <translation>Le papier de l&apos;imprimante est %1, mais les formules choisies (%2) sont sur du papier %3.</translation>
    </message>
    <message>
        <source>MICR placement page</source>
        <translation>Page de placement MICR</translation>
    </message>
    <message>
        <source>placement page</source>
        <translation>page de placement</translation>
    </message>
    <message>
        <source>calibration page</source>
        <translation>page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Their sample lines would be printed in another font and cannot be measured. Install the MICR fonts, then print the calibration page again.</source>
        <translation>Leurs lignes d&apos;essai seraient imprimées dans une autre police et ne pourraient pas être mesurées. Installez les polices MICR, puis imprimez de nouveau la page d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>This printer leaves %1 in unprinted at the left, %2 in at the top, %3 in at the right and %4 in at the bottom: it would cut %5.</source>
        <translation>Cette imprimante n’imprime rien à moins de %1&#xa0;po du bord gauche, %2&#xa0;po du bord supérieur, %3&#xa0;po du bord droit et %4&#xa0;po du bord inférieur&#xa0;: elle couperait %5.</translation>
    </message>
    <message>
        <source>What is cut cannot be measured. Choose the printer&apos;s smaller margins or its &quot;edge to edge&quot; setting in the print dialog&apos;s properties, or another printer, then print again.</source>
        <translation>Ce qui est coupé ne peut pas être mesuré. Choisissez les marges réduites de l’imprimante ou son réglage «&#xa0;bord à bord&#xa0;» dans les propriétés de la boîte d’impression, ou une autre imprimante, puis imprimez de nouveau.</translation>
    </message>
</context>
<context>
    <name>PrinterProfiles</name>
    <message>
        <source>cannot write the printer profiles to %1</source>
        <translation>impossible d&apos;écrire les profils d&apos;imprimante dans %1</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
</context>
<context>
    <name>ReadingFields</name>
    <message>
        <source>&quot;%1&quot; could be read as thousands: type %2.</source>
        <translation>«&#xa0;%1&#xa0;» pourrait se lire en milliers&#xa0;: tapez %2.</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Measure from the left edge of the first mark to the left edge of the last.</source>
        <translation>Mesurez du bord gauche du premier trait au bord gauche du dernier.</translation>
    </message>
    <message>
        <source>Measure the reference bar from its first tick to its last.</source>
        <translation>Mesurez la barre de référence de son premier trait à son dernier.</translation>
    </message>
    <message>
        <source>Measure the vertical bar from its top tick to its bottom tick.</source>
        <translation>Mesurez la barre verticale du trait du haut au trait du bas.</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s right edge to the line that marks where position 1 ends.</source>
        <translation>Mesurez du bord droit du papier au trait où finit la position 1.</translation>
    </message>
    <message>
        <source>Measure from the check&apos;s bottom edge up to the MICR line&apos;s baseline rule; where the baseline lies below the check&apos;s bottom edge, measure from the paper&apos;s top edge down to it instead (the top reading).</source>
        <translation>Mesurez du bord inférieur du chèque jusqu&apos;au trait de base de la ligne MICR&#xa0;; si la ligne de base se trouve sous le bord inférieur du chèque, mesurez plutôt du bord supérieur du papier jusqu&apos;à elle (la mesure du haut).</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s top edge down to the MICR line&apos;s baseline rule; a reading past the paper&apos;s bottom edge was taken on something else.</source>
        <translation>Mesurez du bord supérieur du papier jusqu&apos;au trait de base de la ligne MICR&#xa0;; une mesure au-delà du bord inférieur du papier a été prise sur autre chose.</translation>
    </message>
    <message>
        <source>Type the length you measured.</source>
        <translation>Tapez la longueur mesurée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type inches (7.06, 7 1/16, 7.06 in) or millimeters (179.3 mm).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une longueur&#xa0;: tapez des pouces (7,06, 7 1/16, 7,06&#xa0;po) ou des millimètres (179,3&#xa0;mm).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: the fraction after a whole number is less than one (7 1/16).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une longueur&#xa0;: la fraction après un nombre entier est inférieure à un (7 1/16).</translation>
    </message>
    <message>
        <source>A length cannot be negative. %1</source>
        <translation>Une longueur ne peut pas être négative. %1</translation>
    </message>
    <message>
        <source>A length must be more than zero.</source>
        <translation>Une longueur doit être plus grande que zéro.</translation>
    </message>
    <message>
        <source> Did you mean %1 mm?</source>
        <translation> Vouliez-vous dire %1&#xa0;mm&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is %2: a reading here is between %3 and %4 in.%5 %6</source>
        <translation>%1 donne %2&#xa0;: une mesure ici est entre %3 et %4&#xa0;po.%5 %6</translation>
    </message>
    <message>
        <source>Measure one check from its top edge to its bottom edge.</source>
        <translation>Mesurez un chèque de son bord supérieur à son bord inférieur.</translation>
    </message>
    <message>
        <source>Measure the check from its left edge to its right edge.</source>
        <translation>Mesurez le chèque de son bord gauche à son bord droit.</translation>
    </message>
    <message>
        <source>takes %1, not &quot;%2&quot;</source>
        <translation>prend %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a reading&apos;s name and what is wrong with it</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>--printer takes the face from the printer&apos;s profile: give --printer, or --line and --bold</source>
        <translation>--printer prend la police du profil de l&apos;imprimante&#xa0;: donnez --printer, ou --line et --bold</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: see the profiles command</source>
        <translation>aucune imprimante «&#xa0;%1&#xa0;» n&apos;est retenue&#xa0;: voir la commande profiles</translation>
    </message>
    <message>
        <source>The printer the check was printed on, by its CUPS queue: its face is the one recognised. Without it, --line N.</source>
        <translation>L&apos;imprimante sur laquelle le chèque a été imprimé, par sa file CUPS&#xa0;: sa police est celle reconnue. Sans elle, --line N.</translation>
    </message>
    <message>
        <source>Without --printer: the line is in --line&apos;s bold face.</source>
        <translation>Sans --printer&#xa0;: la ligne est dans la police grasse de --line.</translation>
    </message>
    <message>
        <source>one JSON object</source>
        <translation>un objet JSON</translation>
    </message>
    <message>
        <source>The scan&apos;s resolution, where the file does not give it.</source>
        <translation>La résolution de la numérisation, quand le fichier ne la donne pas.</translation>
    </message>
</context>
<context>
    <name>ScanDeviceDialog</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Numériser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Numériser</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1&#xa0;ppp</translation>
    </message>
    <message>
        <source>Scann&amp;er:</source>
        <translation>Numéri&amp;seur&#xa0;:</translation>
    </message>
    <message>
        <source>Resol&amp;ution:</source>
        <translation>&amp;Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Recherche des numériseurs...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Numérisation...</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Put the sheet face down on the glass, then press Scan.</source>
        <translation>Posez la feuille face contre la vitre, puis appuyez sur Numériser.</translation>
    </message>
    <message>
        <source>No scanner found. Check that the scanner is on and connected, then press Refresh.</source>
        <translation>Aucun numériseur trouvé. Vérifiez que le numériseur est allumé et branché, puis appuyez sur Actualiser.</translation>
    </message>
    <message>
        <source>The scanner %1 is no longer there. Press Refresh to look again.</source>
        <translation>Le numériseur %1 n&apos;est plus là. Appuyez sur Actualiser pour le chercher de nouveau.</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until the other program has finished with it, then scan again.</source>
        <translation>Le numériseur est occupé. Attendez que l&apos;autre programme en ait fini, puis numérisez de nouveau.</translation>
    </message>
    <message>
        <source>Scan canceled.</source>
        <translation>Numérisation annulée.</translation>
    </message>
    <message>
        <source>The scanner did not answer in time (%1 s).</source>
        <translation>Le numériseur n&apos;a pas répondu à temps (%1&#xa0;s).</translation>
    </message>
    <message>
        <source>Scanning is not installed: micr-calibration-scan was not found.</source>
        <translation>La numérisation n&apos;est pas installée&#xa0;: micr-calibration-scan est introuvable.</translation>
    </message>
    <message>
        <source>The scan stopped unexpectedly (the scanner&apos;s driver failed or memory ran out).</source>
        <translation>La numérisation s&apos;est arrêtée de façon inattendue (le pilote du numériseur a échoué ou la mémoire a manqué).</translation>
    </message>
    <message>
        <source>The scan could not be saved: %1</source>
        <translation>La numérisation n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The scanner reported a problem: %1</source>
        <translation>Le numériseur a signalé un problème&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ScanPictureDialog</name>
    <message>
        <source>The MICR line&apos;s part of the scan, with what was found</source>
        <translation>La partie de la numérisation qui porte la ligne MICR, avec ce qui a été trouvé</translation>
    </message>
    <message>
        <source>The whole scan, with what was found</source>
        <translation>Toute la numérisation, avec ce qui a été trouvé</translation>
    </message>
    <message>
        <source>The paper&apos;s edges</source>
        <translation>Les bords du papier</translation>
    </message>
    <message>
        <source>The readings taken</source>
        <translation>Les mesures prises</translation>
    </message>
    <message>
        <source>The position cells, at the scale measured</source>
        <translation>Les cases des positions, à l&apos;échelle mesurée</translation>
    </message>
    <message>
        <source>Each character&apos;s box</source>
        <translation>Le cadre de chaque caractère</translation>
    </message>
    <message>
        <source>The baseline through the characters</source>
        <translation>La ligne de base des caractères</translation>
    </message>
    <message>
        <source>Other marks in the clear band</source>
        <translation>Les autres repères dans la bande libre</translation>
    </message>
    <message>
        <source>Scan: %1</source>
        <translation>Numérisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opening the scan...</source>
        <translation>Ouverture de la numérisation...</translation>
    </message>
    <message>
        <source>The scan cannot be shown.</source>
        <translation>La numérisation ne peut pas être affichée.</translation>
    </message>
</context>
<context>
    <name>ScanProgress</name>
    <message>
        <source>Cancel Measuring</source>
        <translation>Annuler la mesure</translation>
    </message>
    <message>
        <source>Stops measuring the scan; the readings stay as they were</source>
        <translation>Arrête de mesurer la numérisation&#xa0;; les mesures restent telles quelles</translation>
    </message>
    <message>
        <source>Measuring %1...</source>
        <translation>Mesure de %1...</translation>
    </message>
</context>
<context>
    <name>ScanSource</name>
    <message>
        <source>Open a Scan</source>
        <translation>Ouvrir une numérisation</translation>
    </message>
    <message>
        <source>Scans (*.png *.tif *.tiff *.jpg *.jpeg *.pdf);;PNG (*.png);;TIFF (*.tif *.tiff);;JPEG (*.jpg *.jpeg);;PDF (*.pdf);;All files (*)</source>
        <translation>Numérisations (*.png *.tif *.tiff *.jpg *.jpeg *.pdf);;PNG (*.png);;TIFF (*.tif *.tiff);;JPEG (*.jpg *.jpeg);;PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Open Image...</source>
        <translation>&amp;Ouvrir une image...</translation>
    </message>
    <message>
        <source>Measure a scan saved to a file</source>
        <translation>Mesurer une numérisation enregistrée dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>&amp;Numériser...</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>Writes your check program&apos;s settings for the MICR line.</source>
        <translation>Écrit les réglages de votre logiciel d&apos;impression de chèques pour la ligne MICR.</translation>
    </message>
    <message>
        <source>Writes what your check program needs, in its own keys and units, for the MICR
line to land 5/16 in from the check&apos;s right edge and 3/16 in above its bottom
edge on this printer: FreeCheck&apos;s [Global] keys, a GnuCash check format
(.chk) or Odoo&apos;s check margins. The face and correction are those the wizard
remembers for --printer, or the face of --line with no correction. Written to
stdout, or whole to -o FILE, with where it goes in its comments. Exits with 0
when written, 1 when it could not be (said on stderr).</source>
        <translation>Écrit ce qu&apos;il faut à votre logiciel d&apos;impression de chèques, dans ses propres clés et
unités, pour que la ligne MICR tombe à 5/16&#xa0;po du bord droit du chèque et à
3/16&#xa0;po au-dessus de son bord inférieur sur cette imprimante&#xa0;: les clés
[Global] de FreeCheck, un format de chèque GnuCash (.chk) ou les marges de
chèque d&apos;Odoo. La police et la correction sont celles que l&apos;assistant retient
pour --printer, ou la police de --line sans correction. Écrit sur la sortie
standard, ou en entier dans -o FILE, avec sa destination en commentaire.
Termine avec 0 une fois écrit, 1 sinon (dit sur la sortie d&apos;erreur).</translation>
    </message>
    <message>
        <source>freecheck, gnucash or odoo.</source>
        <translation>freecheck, gnucash ou odoo.</translation>
    </message>
    <message>
        <source>%1 is for freecheck, gnucash or odoo, not &quot;%2&quot;</source>
        <translation>%1 est pour freecheck, gnucash ou odoo, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--printer brings its own face: give --printer or --line, not both</source>
        <translation>--printer apporte sa propre police&#xa0;: donnez --printer ou --line, pas les deux</translation>
    </message>
    <message>
        <source>no printer &quot;%1&quot; is remembered: print a page on it from the wizard first, or give --line N for the face alone (the profiles command lists the printers)</source>
        <translation>aucune imprimante «&#xa0;%1&#xa0;» n&apos;est retenue&#xa0;: imprimez-y d&apos;abord une page depuis l&apos;assistant, ou donnez --line N pour la police seule (la commande profiles liste les imprimantes)</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>With --line: its bold face.</source>
        <translation>Avec --line&#xa0;: sa police grasse.</translation>
    </message>
    <message>
        <source>A printer the wizard remembers (its CUPS queue): its face and its placement correction.</source>
        <translation>Une imprimante que l&apos;assistant retient (sa file CUPS)&#xa0;: sa police et sa correction de placement.</translation>
    </message>
    <message>
        <source>Your MICR line, as the line command takes it (default: the one last composed for --printer); GnuCash&apos;s format prints it character by character, and it tells FreeCheck and Odoo where the transit symbol and the line&apos;s left end stand.</source>
        <translation>Votre ligne MICR, comme la commande line la prend (par défaut&#xa0;: la dernière composée pour --printer)&#xa0;; le format de GnuCash l&apos;imprime caractère par caractère, et elle indique à FreeCheck et à Odoo où se trouvent le symbole de transit et le bout gauche de la ligne.</translation>
    </message>
    <message>
        <source>Writes the settings to FILE, whole or not at all, instead of stdout.</source>
        <translation>Écrit les réglages dans FILE, en entier ou pas du tout, au lieu de la sortie standard.</translation>
    </message>
</context>
<context>
    <name>ShellLauncher</name>
    <message>
        <source>a web browser (for example firefox-esr or chromium)</source>
        <translation>un navigateur Web (par exemple firefox-esr ou chromium)</translation>
    </message>
    <message>
        <source>a CHM help viewer (for example xchm or kchmviewer)</source>
        <translation>un visionneur d&apos;aide CHM (par exemple xchm ou kchmviewer)</translation>
    </message>
    <message>
        <source>a PDF viewer (for example evince, okular or atril)</source>
        <translation>un visionneur PDF (par exemple evince, okular ou atril)</translation>
    </message>
    <message>
        <source>an application that opens %1 files</source>
        <translation>une application qui ouvre les fichiers %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opened it. Install %1, or open it yourself:
%2</source>
        <translation>Rien sur ce bureau ne l&apos;a ouvert. Installez %1, ou ouvrez-le vous-même&#xa0;:
%2</translation>
    </message>
    <message>
        <source>xdg-open, which hands files and addresses to the desktop, is missing. Install xdg-utils, or open it yourself:
%1</source>
        <translation>xdg-open, qui confie fichiers et adresses au bureau, est absent. Installez xdg-utils, ou ouvrez-le vous-même&#xa0;:
%1</translation>
    </message>
    <message>
        <source>It is neither in the working folder nor in the program&apos;s data folder (%1). Reinstall the program.</source>
        <translation>Il n&apos;est ni dans le dossier de travail ni dans le dossier de données du programme (%1). Réinstallez le programme.</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucun trouvé</translation>
    </message>
    <message>
        <source>No application on this desktop opens %1 files. Install %2.</source>
        <translation>Aucune application de ce bureau n&apos;ouvre les fichiers %1. Installez %2.</translation>
    </message>
</context>
<context>
    <name>TChequeFile</name>
    <message>
        <source>Cheque File</source>
        <translation type="obsolete">Fichier de chèque</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>3.5 in on Letter, 99 mm on A4</source>
        <translation>3,5&#xa0;po sur Lettre, 99&#xa0;mm sur A4</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>Imp&amp;rimante&#xa0;:</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>What was found: the face, the size, the line&apos;s positions, where it lands, how far to move it, and every fault</source>
        <translation>Ce qui a été trouvé&#xa0;: la police, la taille, les positions de la ligne, où elle tombe, de combien la déplacer, et chaque défaut</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Save these settings to a file, under the name the program expects</source>
        <translation>Enregistrer ces réglages dans un fichier, sous le nom que le logiciel attend</translation>
    </message>
    <message>
        <source>Save the settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Copy these settings to the clipboard</source>
        <translation>Copier ces réglages dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy the settings</source>
        <translation>Copier les réglages</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>The settings for the chosen program, with where they go and what they assume</source>
        <translation>Les réglages pour le logiciel choisi, avec où ils vont et ce qu&apos;ils supposent</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier de nouveau</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Vérifier de &amp;nouveau</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Check File</source>
        <translation>Fichier de chèque</translation>
    </message>
    <message>
        <source>Print one check from your check-printing program to a file (PDF, or PostScript), and choose it here: the MICR line is read from it and checked against this printer, where it will land and what else stands in the clear band. F1 opens the help.</source>
        <translation>Imprimez un chèque dans un fichier (PDF ou PostScript) depuis votre logiciel d&apos;impression de chèques, puis choisissez-le ici&#xa0;: la ligne MICR y est lue et vérifiée pour cette imprimante, où elle tombera et ce qui se trouve d&apos;autre dans la bande libre. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>The check your check-printing program printed to a file: PDF, or PostScript (read with Ghostscript)</source>
        <translation>Le chèque que votre logiciel d&apos;impression de chèques a imprimé dans un fichier&#xa0;: PDF ou PostScript (lu avec Ghostscript)</translation>
    </message>
    <message>
        <source>Check file</source>
        <translation>Fichier de chèque</translation>
    </message>
    <message>
        <source>A PDF or PostScript file of one check</source>
        <translation>Un fichier PDF ou PostScript d&apos;un chèque</translation>
    </message>
    <message>
        <source>Choose the check file</source>
        <translation>Choisir le fichier de chèque</translation>
    </message>
    <message>
        <source>Browse for the check file</source>
        <translation>Chercher le fichier de chèque</translation>
    </message>
    <message>
        <source>&amp;Check:</source>
        <translation>&amp;Chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Which check of 3-up stock the file prints: the MICR line is looked for on it</source>
        <translation>Le chèque de la feuille de 3 que le fichier imprime&#xa0;: la ligne MICR y est cherchée</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Check &amp;height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>The height of one check of the stock; empty for 3.5 in on Letter and 99 mm on A4</source>
        <translation>La hauteur d&apos;un chèque de la formule&#xa0;; vide pour 3,5&#xa0;po sur Lettre et 99&#xa0;mm sur A4</translation>
    </message>
    <message>
        <source>Check height</source>
        <translation>Hauteur du chèque</translation>
    </message>
    <message>
        <source>The printer the check will be printed on: its calibrated face and its measured placement</source>
        <translation>L&apos;imprimante sur laquelle le chèque sera imprimé&#xa0;: sa police étalonnée et son placement mesuré</translation>
    </message>
    <message>
        <source>Settings for your check pro&amp;gram:</source>
        <translation>Réglages pour votre lo&amp;giciel&#xa0;:</translation>
    </message>
    <message>
        <source>The program you print checks with: its settings for this printer&apos;s face and placement, the check chosen and the MICR line remembered with the printer</source>
        <translation>Le logiciel avec lequel vous imprimez vos chèques&#xa0;: ses réglages pour la police et le placement de cette imprimante, le chèque choisi et la ligne MICR retenue avec l&apos;imprimante</translation>
    </message>
    <message>
        <source>Check program</source>
        <translation>Logiciel d&apos;impression de chèques</translation>
    </message>
    <message>
        <source>Read the file again, after printing the check to it once more</source>
        <translation>Relire le fichier, après y avoir imprimé le chèque de nouveau</translation>
    </message>
    <message>
        <source>The check, with the MICR line where it lands</source>
        <translation>Le chèque, avec la ligne MICR là où elle tombe</translation>
    </message>
    <message>
        <source>The check with its clear band (grey): the standard&apos;s cells along the baseline in green, the file&apos;s MICR line where it lands on this printer in blue, anything out of place in red</source>
        <translation>Le chèque avec sa bande libre (en gris)&#xa0;: les cases de la norme le long de la ligne de base en vert, la ligne MICR du fichier là où elle tombe sur cette imprimante en bleu, tout ce qui est mal placé en rouge</translation>
    </message>
    <message>
        <source>No remembered printer: Line %1&apos;s face, %2, at 100 %</source>
        <translation>Aucune imprimante retenue&#xa0;: la police de la ligne %1, %2, à 100&#xa0;%</translation>
    </message>
    <message>
        <source>%1: Line %2, %3, placement measured %4</source>
        <translation>%1&#xa0;: ligne %2, %3, placement mesuré le %4</translation>
    </message>
    <message>
        <source>%1: Line %2, %3</source>
        <translation>%1&#xa0;: ligne %2, %3</translation>
    </message>
    <message>
        <source>Check files (*.pdf *.ps);;All files (*)</source>
        <translation>Fichiers de chèque (*.pdf *.ps);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Check height: %1</source>
        <translation>Hauteur du chèque&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printer&apos;s face is not installed, so its scale is unknown: install the MICR fonts (see the help page &quot;When fonts are missing&quot;).</source>
        <translation>La police de l&apos;imprimante n&apos;est pas installée, son échelle est donc inconnue&#xa0;: installez les polices MICR (voir la page d&apos;aide «&#xa0;Quand des polices manquent&#xa0;»).</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a cheque file that cannot be read: why</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Choose the file your check-printing program printed one check to.</source>
        <translation>Choisissez le fichier dans lequel votre logiciel d&apos;impression de chèques a imprimé un chèque.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save %1 Settings</source>
        <translation>Enregistrer les réglages de %1</translation>
    </message>
    <message>
        <source>*.%1;;All files (*)</source>
        <translation>*.%1;;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Lecture du fichier...</translation>
    </message>
    <message>
        <source>Cancel Reading</source>
        <translation>Annuler la lecture</translation>
    </message>
    <message>
        <source>Stops reading the file</source>
        <translation>Arrête la lecture du fichier</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Check a printed check from a scan of it, as a MICR gauge would: the sheet whole, its edges showing against a dark lid</source>
        <translation>Vérifier un chèque imprimé à partir de sa numérisation, comme le ferait une jauge MICR&#xa0;: la feuille entière, ses bords visibles sur un fond sombre</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>À partir d&apos;une n&amp;umérisation...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1, gauged in %2:</source>
        <comment>a scan&apos;s file, the face</comment>
        <translation>%1, vérifié avec %2&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TConnect</name>
    <message>
        <source>How to order Tolvane MICR Font Set</source>
        <translation>Comment commander Tolvane MICR Font Set</translation>
    </message>
    <message>
        <source>The boxed MICR Font Set</source>
        <translation>Le coffret MICR Font Set</translation>
    </message>
    <message>
        <source>When you order you can select to download the</source>
        <translation>À la commande, vous pouvez choisir de télécharger</translation>
    </message>
    <message>
        <source>software, have it sent as boxed software, or both.</source>
        <translation>le logiciel, de le recevoir en boîte, ou les deux.</translation>
    </message>
    <message>
        <source>To purchase, make sure you are connected to the</source>
        <translation>Pour acheter, assurez-vous d&apos;être connecté à</translation>
    </message>
    <message>
        <source>internet and click the Buy Now button below. This</source>
        <translation>Internet et cliquez ci-dessous sur Acheter en ligne,</translation>
    </message>
    <message>
        <source>will take you to our web site order page. You can</source>
        <translation>qui mène à notre page de commande. Vous pouvez</translation>
    </message>
    <message>
        <source>also print an order form and email, fax, or mail it to</source>
        <translation>aussi imprimer un bon de commande et l&apos;envoyer par</translation>
    </message>
    <message>
        <source>us. Press Exit to quit.</source>
        <translation>courriel, télécopieur ou poste. Quitter ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Orders: %1</source>
        <extracomment>%1: the vendor&apos;s order phone number</extracomment>
        <translation>Commandes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Go online and purchase the software now (Alt+O)</source>
        <translation>Acheter le logiciel en ligne maintenant (Alt+O)</translation>
    </message>
    <message>
        <source>Buy Now Online</source>
        <translation>Acheter en ligne</translation>
    </message>
    <message>
        <source>Print a copy of our pdf order form (Alt+P)</source>
        <translation>Imprimer notre bon de commande PDF (Alt+P)</translation>
    </message>
    <message>
        <source>Print an Order Form</source>
        <translation>Bon de commande</translation>
    </message>
    <message>
        <source>Return back to the utility program (Esc)</source>
        <translation>Revenir au programme (Échap)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>A hand writing a cheque</source>
        <translation type="vanished">Une main qui remplit un chèque</translation>
    </message>
    <message>
        <source>About this program (Alt+A)</source>
        <translation>À propos de ce programme (Alt+A)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Printers: the face and correction remembered for each printer (Alt+R)</source>
        <translation>Imprimantes&#xa0;: la police et la correction retenues pour chaque imprimante (Alt+R)</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Always use these fonts unless your magnetic toner signal strength is low</source>
        <translation>Utilisez toujours ces polices, sauf si le signal magnétique de votre toner est faible</translation>
    </message>
    <message>
        <source>Standard MICR fonts</source>
        <translation>Polices standard</translation>
    </message>
    <message>
        <source>ONLY use these fonts when your toner signal strength is low</source>
        <translation>N&apos;utilisez ces polices QUE si le signal de votre toner est faible</translation>
    </message>
    <message>
        <source>Bold MICR fonts</source>
        <translation>Polices grasses</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Nº 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Nº 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Nº 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Nº 4</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>Nº 5</translation>
    </message>
    <message>
        <source>Show the MICR check position gauge instructions</source>
        <translation>Afficher les instructions de la jauge de position MICR des chèques</translation>
    </message>
    <message>
        <source>Check Gauge Instructions</source>
        <translation>Instructions de la jauge</translation>
    </message>
    <message>
        <source>Type the lengths you measured on the calibration page: the program picks the line and says how close it comes to 7 inches</source>
        <translation>Tapez les longueurs mesurées sur la page d&apos;étalonnage&#xa0;: le programme choisit la ligne et dit de combien elle s&apos;approche de 7&#xa0;pouces</translation>
    </message>
    <message>
        <source>Enter &amp;Measurements...</source>
        <translation>Saisir les &amp;mesures...</translation>
    </message>
    <message>
        <source>Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</source>
        <translation type="vanished">Imprimer une page qui montre où la ligne MICR tombe sur vos chèques, et calculer les décalages pour votre logiciel d&apos;impression de chèques</translation>
    </message>
    <message>
        <source>Check P&amp;lacement...</source>
        <translation>P&amp;lacement...</translation>
    </message>
    <message>
        <source>Compose your own MICR line from your bank&apos;s details, check it against the standard&apos;s fields and print it where the bank reads it</source>
        <translation>Composer votre propre ligne MICR à partir des données de votre banque, la vérifier selon les champs de la norme et l&apos;imprimer là où la banque la lit</translation>
    </message>
    <message>
        <source>My MICR L&amp;ine...</source>
        <translation>Ma l&amp;igne MICR...</translation>
    </message>
    <message>
        <source>How to buy this software right now</source>
        <translation>Comment acheter ce logiciel dès maintenant</translation>
    </message>
    <message>
        <source>&amp;Buy Now</source>
        <translation>A&amp;cheter</translation>
    </message>
    <message>
        <source>Turn your signature into a font to sign your checks</source>
        <translation>Faire de votre signature une police pour signer vos chèques</translation>
    </message>
    <message>
        <source>&amp;Signature</source>
        <translation>&amp;Signature</translation>
    </message>
    <message>
        <source>Start the help file</source>
        <translation>Ouvrir l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>A hand writing a check</source>
        <translation>Une main qui remplit un chèque</translation>
    </message>
    <message>
        <source>Print a page that shows where the MICR line lands on your checks, and work out the offsets for your check-printing software</source>
        <translation>Imprimer une page qui montre où la ligne MICR tombe sur vos chèques, et calculer les décalages pour votre logiciel d&apos;impression de chèques</translation>
    </message>
    <message>
        <source>Check a cheque your cheque-printing program printed to a file: where its MICR line will land on this printer, its face, size and fields, and the clear band</source>
        <translation type="vanished">Vérifier un chèque que votre logiciel d&apos;impression de chèques a imprimé dans un fichier&#xa0;: où sa ligne MICR tombera sur cette imprimante, sa police, sa taille, ses champs, et la bande réservée</translation>
    </message>
    <message>
        <source>Cheque File</source>
        <translation type="vanished">Fichier de chèque</translation>
    </message>
    <message>
        <source>Cheque &amp;File...</source>
        <translation type="vanished">&amp;Fichier de chèque...</translation>
    </message>
    <message>
        <source>The printer&apos;s face and readings were not remembered: %1.</source>
        <translation>La police et les mesures de l&apos;imprimante n&apos;ont pas été retenues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your computer and printer system is not calibrated yet: the line
chosen on step 2 measured out of tolerance (see above). Go back
with Previous and choose the line the measurements name, or print
the calibration page again and measure it; F1 says what to do.</source>
        <translation>Votre ordinateur et votre imprimante ne sont pas encore étalonnés&#xa0;:
la ligne choisie à l&apos;étape 2 est hors tolérance (voir plus haut).
Revenez avec Précédent et choisissez la ligne que nomment les
mesures, ou réimprimez la page d&apos;étalonnage et mesurez-la&#xa0;; F1 dit
quoi faire.</translation>
    </message>
    <message>
        <source>This utility will print a sample of each MICR font in this package.
You will then be guided through the process of selecting the right
MICR font for your printer and operating system.

Turn your laser printer on. Make sure this printer has blank paper
loaded in it. Leave the font selection set to standard unless you
need bold fonts to increase signal strength. Click Next to select a
printer and print the calibration page.</source>
        <translation>Cet utilitaire imprime un échantillon de chaque police MICR de cet
ensemble, puis vous guide dans le choix de la police MICR qui
convient à votre imprimante et à votre système d&apos;exploitation.

Allumez votre imprimante laser et chargez-y du papier vierge.
Gardez les polices standard, sauf s&apos;il faut du gras pour renforcer
le signal. Cliquez sur Suivant pour choisir une imprimante et
imprimer la page d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>Print a calibration page and move to the next step</source>
        <translation>Imprimer une page d&apos;étalonnage et passer à l&apos;étape suivante</translation>
    </message>
    <message>
        <source>Exit the program immediately</source>
        <translation>Quitter le programme immédiatement</translation>
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
Impression d&apos;une page d&apos;essai en cours . . .

Attendez que la page imprimée ait refroidi, puis mesurez chaque
ligne MICR imprimée. Choisissez la ligne la plus proche de 7&#xa0;pouces.
Si deux lignes ont la même longueur, prenez la plus proche de la
ligne 3. Choisissez ci-dessous le numéro de cette ligne MICR
de 7&#xa0;pouces.</translation>
    </message>
    <message>
        <source>Move to the next step which will tell you what font to use</source>
        <translation>Passer à l&apos;étape suivante, qui vous dira quelle police utiliser</translation>
    </message>
    <message>
        <source>Return to the print a calibration page step</source>
        <translation>Revenir à l&apos;étape d&apos;impression de la page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>

Congratulations, your computer and printer system is now
calibrated. Note that if you change printers or operating systems
you should run this calibration program again.

You must use the following MICR font name, printing at 10 points,
in your check printing program:</source>
        <translation>

Félicitations, votre ordinateur et votre imprimante sont
maintenant étalonnés. Si vous changez d&apos;imprimante ou de système
d&apos;exploitation, relancez ce programme d&apos;étalonnage.

Utilisez le nom de police MICR suivant, à 10&#xa0;points, dans votre
logiciel d&apos;impression de chèques&#xa0;:</translation>
    </message>
    <message>
        <source>Return to the line length selection step</source>
        <translation>Revenir à l&apos;étape du choix de la ligne</translation>
    </message>
    <message>
        <source>All done, exit now</source>
        <translation>Tout est fait, quitter maintenant</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>A check your check-printing program printed to a file, checked: where its MICR line will land on this printer, its face, size and fields, and the clear band</source>
        <translation>Un chèque que votre logiciel d&apos;impression de chèques a imprimé dans un fichier, vérifié&#xa0;: où sa ligne MICR tombera sur cette imprimante, sa police, sa taille et ses champs, et la bande libre</translation>
    </message>
    <message>
        <source>Check File</source>
        <translation>Fichier de chèque</translation>
    </message>
    <message>
        <source>Check &amp;File...</source>
        <translation>&amp;Fichier de chèque...</translation>
    </message>
    <message>
        <source>Pick the line on the calibration sheet that is 7 inches long</source>
        <translation>Choisissez la ligne de la page d&apos;étalonnage qui mesure 7&#xa0;pouces</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Order a signature font</source>
        <translation>Commander une police de signature</translation>
    </message>
    <message>
        <source>A handwritten sample signature</source>
        <translation>Un exemple de signature manuscrite</translation>
    </message>
    <message>
        <source>We can convert your signature into a Windows TrueType</source>
        <translation>Nous pouvons faire de votre signature une police</translation>
    </message>
    <message>
        <source>font. You can then sign your checks, documents, memos,</source>
        <translation>TrueType pour Windows&#xa0;: signez ainsi vos chèques,</translation>
    </message>
    <message>
        <source>or faxes automatically! Click below to print an order form.</source>
        <translation>lettres et télécopies&#xa0;! Bon de commande ci-dessous.</translation>
    </message>
    <message>
        <source>Display a pdf order form, ready to print</source>
        <translation>Afficher un bon de commande PDF, prêt à imprimer</translation>
    </message>
    <message>
        <source>&amp;Order Form</source>
        <translation>C&amp;ommande</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Revenir au programme d&apos;étalonnage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>MICR Fonts Calibration</source>
        <translation>Étalonnage MICR</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <extracomment>%1: the vendor&apos;s phone number</extracomment>
        <translation>Téléphone&#xa0;: %1</translation>
    </message>
    <message>
        <source>Click to check the web for updates</source>
        <translation>Cliquez pour chercher une mise à jour en ligne</translation>
    </message>
    <message>
        <source>Click to visit the web site</source>
        <translation>Cliquez pour visiter le site Web</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>MICR Gauge Instructions</source>
        <translation>Instructions de la jauge MICR</translation>
    </message>
    <message>
        <source>The MICR position and dimension gauge</source>
        <translation>La jauge de position et de dimension MICR</translation>
    </message>
    <message>
        <source>A MICR gauge is an invaluable tool for verifying that all the data</source>
        <translation>La jauge MICR est l&apos;outil idéal pour vérifier que les données</translation>
    </message>
    <message>
        <source>on your check is correctly positioned and sized. Click the Manual</source>
        <translation>de vos chèques sont bien placées et de bonne taille. Le bouton</translation>
    </message>
    <message>
        <source>button below for instructions on how to use our gauge.</source>
        <translation>Manuel ci-dessous explique comment utiliser notre jauge.</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Order Form</source>
        <translation>C&amp;ommande</translation>
    </message>
    <message>
        <source>&amp;Buy Now</source>
        <translation>A&amp;cheter</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Revenir au programme d&apos;étalonnage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>:/images/gauge.png</source>
        <comment>the gauge picture, drawn with the reader&apos;s words</comment>
        <translation>:/images/gauge-fr.png</translation>
    </message>
</context>
<context>
    <name>TMeasurements</name>
    <message>
        <source>Measured Lengths</source>
        <translation>Longueurs mesurées</translation>
    </message>
    <message>
        <source>Measure each sample line of the calibration page from the left edge of its first mark to the left edge of its last mark, and type what you read, in inches (7.06, 7 1/16) or millimeters (179.3 mm). One line is enough; more lines make the answer surer.</source>
        <translation>Mesurez chaque ligne d&apos;essai de la page d&apos;étalonnage, du bord gauche de son premier repère au bord gauche de sa dernière, et tapez ce que vous lisez, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm). Une ligne suffit&#xa0;; plus de lignes rendent la réponse plus sûre.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Measured length</source>
        <translation>Longueur mesurée</translation>
    </message>
    <message>
        <source>Length on this printer</source>
        <translation>Longueur sur cette imprimante</translation>
    </message>
    <message>
        <source>Line &amp;1</source>
        <translation>Ligne &amp;1</translation>
    </message>
    <message>
        <source>The length of line 1 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 1 de repère à repère, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm)&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 1</source>
        <translation>Longueur mesurée de la ligne 1</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesurée</translation>
    </message>
    <message>
        <source>Line &amp;2</source>
        <translation>Ligne &amp;2</translation>
    </message>
    <message>
        <source>The length of line 2 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 2 de repère à repère, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm)&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 2</source>
        <translation>Longueur mesurée de la ligne 2</translation>
    </message>
    <message>
        <source>Line &amp;3</source>
        <translation>Ligne &amp;3</translation>
    </message>
    <message>
        <source>The length of line 3 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 3 de repère à repère, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm)&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 3</source>
        <translation>Longueur mesurée de la ligne 3</translation>
    </message>
    <message>
        <source>Line &amp;4</source>
        <translation>Ligne &amp;4</translation>
    </message>
    <message>
        <source>The length of line 4 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 4 de repère à repère, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm)&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 4</source>
        <translation>Longueur mesurée de la ligne 4</translation>
    </message>
    <message>
        <source>Line &amp;5</source>
        <translation>Ligne &amp;5</translation>
    </message>
    <message>
        <source>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimeters (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 5 de repère à repère, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm)&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 5</source>
        <translation>Longueur mesurée de la ligne 5</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1, predicted</source>
        <translation>%1, prédite</translation>
    </message>
    <message>
        <source>font not installed</source>
        <translation>police non installée</translation>
    </message>
    <message>
        <source>Use Line %1: %2, at 10 points</source>
        <translation>Utilisez la ligne %1&#xa0;: %2, à 10&#xa0;points</translation>
    </message>
    <message>
        <source>Not calibrated: no face can be named from these readings</source>
        <translation>Non étalonné&#xa0;: ces mesures ne permettent de nommer aucune police</translation>
    </message>
    <message>
        <source>Line %1 is %2 from 7 inches: %3</source>
        <translation>La ligne %1 est à %2 de 7&#xa0;pouces&#xa0;: %3</translation>
    </message>
    <message>
        <source>Take the lengths from a scan of the printed calibration page, the paper&apos;s edges showing against a dark lid</source>
        <translation>Prendre les longueurs sur une numérisation de la page d&apos;étalonnage imprimée, les bords du papier visibles sur un fond sombre</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>À partir d&apos;une n&amp;umérisation...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TMyMicrLine</name>
    <message>
        <source>My MICR Line</source>
        <translation>Ma ligne MICR</translation>
    </message>
    <message>
        <source>Type your bank&apos;s details as they stand on a cheque the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s cheque. F1 opens the help.</source>
        <translation type="vanished">Tapez les données de votre banque telles qu&apos;elles figurent sur un chèque imprimé par la banque. La ligne est disposée selon les positions de la norme et vérifiée pendant la saisie; comparez-la au chèque de la banque. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposition&#xa0;:</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s cheques follow</source>
        <translation type="vanished">Le pays dont les chèques de la banque suivent la disposition</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>&amp;Routing number:</source>
        <translation>&amp;Numéro d&apos;acheminement&#xa0;:</translation>
    </message>
    <message>
        <source>The bank&apos;s 9-digit routing number, between the transit symbols on its cheques</source>
        <translation type="vanished">Le numéro d&apos;acheminement de la banque, à 9 chiffres, entre les symboles de transit de ses chèques</translation>
    </message>
    <message>
        <source>Routing number</source>
        <translation>Numéro d&apos;acheminement</translation>
    </message>
    <message>
        <source>9 digits</source>
        <translation>9 chiffres</translation>
    </message>
    <message>
        <source>&amp;Branch number:</source>
        <translation>Nº de &amp;succursale&#xa0;:</translation>
    </message>
    <message>
        <source>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</source>
        <translation type="vanished">Le numéro de succursale (transit) à 5 chiffres, avant le symbole de tiret sur les chèques de la banque</translation>
    </message>
    <message>
        <source>Branch number</source>
        <translation>Numéro de succursale</translation>
    </message>
    <message>
        <source>5 digits</source>
        <translation>5 chiffres</translation>
    </message>
    <message>
        <source>&amp;Institution number:</source>
        <translation>Nº d&apos;&amp;institution&#xa0;:</translation>
    </message>
    <message>
        <source>The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</source>
        <translation type="vanished">Le numéro d&apos;institution à 3 chiffres, après le symbole de tiret sur les chèques de la banque</translation>
    </message>
    <message>
        <source>Institution number</source>
        <translation>Numéro d&apos;institution</translation>
    </message>
    <message>
        <source>3 digits</source>
        <translation>3 chiffres</translation>
    </message>
    <message>
        <source>&amp;On-us field:</source>
        <translation>Champ &amp;on-us&#xa0;:</translation>
    </message>
    <message>
        <source>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal cheques the cheque number</source>
        <translation type="vanished">Le champ on-us tel que la banque l&apos;imprime&#xa0;: le numéro de compte, le symbole on-us (C ou &lt;) et, pour les chèques personnels, le numéro du chèque</translation>
    </message>
    <message>
        <source>On-us field</source>
        <translation>Champ on-us</translation>
    </message>
    <message>
        <source>A&amp;uxiliary on-us:</source>
        <translation>On-us a&amp;uxiliaire&#xa0;:</translation>
    </message>
    <message>
        <source>Business cheques: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</source>
        <translation type="vanished">Chèques d&apos;entreprise&#xa0;: le numéro de série entre symboles on-us, à gauche du champ de transit; sinon, laissez-le vide</translation>
    </message>
    <message>
        <source>Auxiliary on-us field</source>
        <translation>Champ on-us auxiliaire</translation>
    </message>
    <message>
        <source>optional, C001001C</source>
        <translation>facultatif, C001001C</translation>
    </message>
    <message>
        <source>E&amp;xternal processing code:</source>
        <translation>Code de traitement e&amp;xterne&#xa0;:</translation>
    </message>
    <message>
        <source>One digit at position 44, usually blank</source>
        <translation>Un chiffre en position 44, souvent vide</translation>
    </message>
    <message>
        <source>External processing code</source>
        <translation>Code de traitement externe</translation>
    </message>
    <message>
        <source>optional, one digit</source>
        <translation>facultatif, un chiffre</translation>
    </message>
    <message>
        <source>Cheque &amp;width:</source>
        <translation type="vanished">&amp;Largeur du chèque&#xa0;:</translation>
    </message>
    <message>
        <source>The cheque&apos;s width, for where the line&apos;s left end goes</source>
        <translation type="vanished">La largeur du chèque, pour placer l&apos;extrémité gauche de la ligne</translation>
    </message>
    <message>
        <source>Cheque width</source>
        <translation type="vanished">Largeur du chèque</translation>
    </message>
    <message>
        <source>8.5 in</source>
        <translation>8,5&#xa0;po</translation>
    </message>
    <message>
        <source>Copy the line, in the MICR font&apos;s letters, to the clipboard</source>
        <translation>Copier la ligne, dans les lettres de la police MICR, dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Print the placement page with this line in place of the sample, each field bracketed and named</source>
        <translation>Imprimer la page de placement avec cette ligne au lieu de l&apos;exemple, chaque champ encadré et nommé</translation>
    </message>
    <message>
        <source>&amp;Print on Placement Page...</source>
        <translation>Im&amp;primer sur la page de placement...</translation>
    </message>
    <message>
        <source>Type your bank&apos;s details as they stand on a check the bank printed. The line is laid out in the standard&apos;s positions and checked as you type; compare it with the bank&apos;s check. F1 opens the help.</source>
        <translation>Tapez les données de votre banque telles qu&apos;elles figurent sur un chèque imprimé par la banque. La ligne est disposée selon les positions de la norme et vérifiée pendant la saisie&#xa0;; comparez-la au chèque de la banque. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s checks follow</source>
        <translation>Le pays dont les chèques de la banque suivent la disposition</translation>
    </message>
    <message>
        <source>The bank&apos;s 9-digit routing number, between the transit symbols on its checks</source>
        <translation>Le numéro d&apos;acheminement de la banque, à 9 chiffres, entre les symboles de transit de ses chèques</translation>
    </message>
    <message>
        <source>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s checks</source>
        <translation>Le numéro de succursale (transit) à 5 chiffres, avant le symbole de tiret sur les chèques de la banque</translation>
    </message>
    <message>
        <source>The 3-digit institution number, after the dash symbol on the bank&apos;s checks</source>
        <translation>Le numéro d&apos;institution à 3 chiffres, après le symbole de tiret sur les chèques de la banque</translation>
    </message>
    <message>
        <source>The on-us field as the bank prints it: the account number, the on-us symbol (C or &lt;) and for personal checks the check number</source>
        <translation>Le champ on-us tel que la banque l&apos;imprime&#xa0;: le numéro de compte, le symbole on-us (C ou &lt;) et, pour les chèques personnels, le numéro du chèque</translation>
    </message>
    <message>
        <source>Business checks: the serial number between on-us symbols, left of the transit field; leave it empty otherwise</source>
        <translation>Chèques d&apos;entreprise&#xa0;: le numéro de série entre symboles on-us, à gauche du champ de transit&#xa0;; sinon, laissez-le vide</translation>
    </message>
    <message>
        <source>Check &amp;width:</source>
        <translation>&amp;Largeur du chèque&#xa0;:</translation>
    </message>
    <message>
        <source>The check&apos;s width, for where the line&apos;s left end goes</source>
        <translation>La largeur du chèque, pour placer l&apos;extrémité gauche de la ligne</translation>
    </message>
    <message>
        <source>Check width</source>
        <translation>Largeur du chèque</translation>
    </message>
    <message>
        <source>Type, in %1: %2
or with punctuation: %3</source>
        <translation>Tapez, en %1&#xa0;: %2
ou en ponctuation&#xa0;: %3</translation>
    </message>
    <message>
        <source>In check-printing software: the line&apos;s left end %1 from the check&apos;s left edge, its baseline %2 above the bottom edge.</source>
        <translation>Dans le logiciel d&apos;impression de chèques&#xa0;: extrémité gauche de la ligne à %1 du bord gauche du chèque, ligne de base à %2 au-dessus du bord inférieur.</translation>
    </message>
    <message>
        <source>With this printer&apos;s correction (%1): left end %2, baseline %3.</source>
        <translation>Avec la correction de cette imprimante (%1)&#xa0;: extrémité gauche %2, ligne de base %3.</translation>
    </message>
    <message>
        <source>Check width: %1</source>
        <translation>Largeur du chèque&#xa0;: %1</translation>
    </message>
    <message>
        <source>No faults: every field stands in its positions.</source>
        <translation>Aucun défaut&#xa0;: chaque champ est dans ses positions.</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has a fault. Print the placement page with it all the same?</source>
        <translation>Une banque refuserait cette ligne&#xa0;: elle a un défaut. Imprimer quand même la page de placement avec elle&#xa0;?</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has %1 faults. Print the placement page with it all the same?</source>
        <translation>Une banque refuserait cette ligne&#xa0;: elle a %1 défauts. Imprimer quand même la page de placement avec elle&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TPlacement</name>
    <message>
        <source>MICR Line Placement</source>
        <translation>Placement de la ligne MICR</translation>
    </message>
    <message>
        <source>Print the placement page on your cheque stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your cheque-printing software. F1 opens the help.</source>
        <translation type="vanished">Imprimez la page de placement sur vos formules de chèques, ou sur du papier ordinaire, et mesurez à la règle où tombe sa ligne MICR, depuis les bords que la page nomme. Tapez ce que vous lisez&#xa0;: le programme dit si la police choisie compense l&apos;échelle de l&apos;imprimante et de combien déplacer la ligne MICR dans votre logiciel d&apos;impression de chèques. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>Cheque on the &amp;sheet:</source>
        <translation type="vanished">Chèque sur la &amp;feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Which cheque of 3-up stock the page is laid out for</source>
        <translation type="vanished">Le chèque de la feuille de 3 pour lequel la page est disposée</translation>
    </message>
    <message>
        <source>Cheque on the sheet</source>
        <translation type="vanished">Chèque sur la feuille</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Choose a printer and print the placement page for this cheque and stock, in the face of the line chosen on step 2</source>
        <translation type="vanished">Choisir une imprimante et imprimer la page de placement pour ce chèque et ces formules, dans la police de la ligne choisie à l&apos;étape 2</translation>
    </message>
    <message>
        <source>&amp;Print Placement Page</source>
        <translation>&amp;Imprimer la page de placement</translation>
    </message>
    <message>
        <source>Cheque s&amp;tock:</source>
        <translation type="vanished">F&amp;ormules de chèques&#xa0;:</translation>
    </message>
    <message>
        <source>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</source>
        <translation type="vanished">Les formules de chèques&#xa0;: trois chèques par feuille, empilés depuis le bord supérieur du papier</translation>
    </message>
    <message>
        <source>Cheque stock</source>
        <translation type="vanished">Formules de chèques</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a cheque</source>
        <translation type="vanished">3 par feuille Lettre, chèques de 3,5 po</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a cheque</source>
        <translation type="vanished">3 par feuille A4, chèques de 99 mm</translation>
    </message>
    <message>
        <source>The height of one cheque of your stock, from its top edge to its perforation</source>
        <translation type="vanished">La hauteur d&apos;un chèque de vos formules, de son bord supérieur à sa perforation</translation>
    </message>
    <message>
        <source>Height of one cheque</source>
        <translation type="vanished">Hauteur d&apos;un chèque</translation>
    </message>
    <message>
        <source>3.667 in</source>
        <translation>3,667&#xa0;po</translation>
    </message>
    <message>
        <source>Reference &amp;bar, first tick to last:</source>
        <translation>&amp;Barre de référence, 1er trait au dernier&#xa0;:</translation>
    </message>
    <message>
        <source>The length of the reference bar from its first tick to its last, in inches (7.000, 7 1/64) or millimeters (177.8 mm)</source>
        <translation>La longueur de la barre de référence, de son premier trait au dernier, en pouces (7,000 ou 7&#xa0;1/64) ou en millimètres (177,8&#xa0;mm)</translation>
    </message>
    <message>
        <source>Length of the reference bar</source>
        <translation>Longueur de la barre de référence</translation>
    </message>
    <message>
        <source>7.000 in</source>
        <translation>7,000&#xa0;po</translation>
    </message>
    <message>
        <source>&amp;Vertical bar, top tick to bottom:</source>
        <translation>Barre &amp;verticale, trait du haut au bas&#xa0;:</translation>
    </message>
    <message>
        <source>The length of the vertical bar at the left, from its top tick to its bottom tick; leave it empty if you did not measure it</source>
        <translation>La longueur de la barre verticale à gauche, de son trait du haut à celui du bas&#xa0;; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Length of the vertical bar</source>
        <translation>Longueur de la barre verticale</translation>
    </message>
    <message>
        <source>2.000 in, optional</source>
        <translation>2,000&#xa0;po, facultatif</translation>
    </message>
    <message>
        <source>&amp;Right edge to where position 1 ends:</source>
        <translation>Bord &amp;droit à la fin de la position 1&#xa0;:</translation>
    </message>
    <message>
        <source>The distance from the paper&apos;s right edge to the long tick where position 1 of the MICR line ends</source>
        <translation>La distance du bord droit du papier au long trait où finit la position 1 de la ligne MICR</translation>
    </message>
    <message>
        <source>Distance from the paper&apos;s right edge to the end of position 1</source>
        <translation>Distance du bord droit du papier à la fin de la position 1</translation>
    </message>
    <message>
        <source>0.313 in</source>
        <translation>0,313&#xa0;po</translation>
    </message>
    <message>
        <source>Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</source>
        <translation type="vanished">Formules de chèques&#xa0;: mesurez du bord inférieur du chèque (la perforation) jusqu&apos;à la ligne de base. Papier ordinaire&#xa0;: mesurez du bord supérieur du papier jusqu&apos;à elle</translation>
    </message>
    <message>
        <source>Baseline measured from</source>
        <translation>Ligne de base mesurée depuis</translation>
    </message>
    <message>
        <source>Cheque&apos;s bottom edge to the baseline:</source>
        <translation type="vanished">Bord inférieur du chèque à la ligne de base&#xa0;:</translation>
    </message>
    <message>
        <source>Paper&apos;s top edge to the baseline:</source>
        <translation>Bord supérieur du papier à la ligne de base&#xa0;:</translation>
    </message>
    <message>
        <source>The distance from the chosen edge to the baseline rule under the MICR line</source>
        <translation>La distance du bord choisi à la ligne de base sous la ligne MICR</translation>
    </message>
    <message>
        <source>Distance from the edge to the baseline</source>
        <translation>Distance du bord à la ligne de base</translation>
    </message>
    <message>
        <source>0.188 in</source>
        <translation>0,188&#xa0;po</translation>
    </message>
    <message>
        <source>3-up on Letter, another height:</source>
        <translation>3 par feuille Lettre, autre hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>3-up on A4, another height:</source>
        <translation>3 par feuille A4, autre hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Print the placement page again with the total correction applied, as your cheque-printing software will apply it; then measure it again to check the correction</source>
        <translation type="vanished">Imprimer de nouveau la page de placement avec la correction totale appliquée, comme votre logiciel d&apos;impression de chèques l&apos;appliquera&#xa0;; puis la mesurer de nouveau pour vérifier la correction</translation>
    </message>
    <message>
        <source>Print the placement page with this correction</source>
        <translation>Imprimer la page de placement avec cette correction</translation>
    </message>
    <message>
        <source>Print With This &amp;Correction</source>
        <translation>Imprimer avec cette &amp;correction</translation>
    </message>
    <message>
        <source>Print the placement page on your check stock, or on plain paper, and measure where its MICR line lands with a ruler, from the edges the page names. Type what you read: the program tells whether the chosen face makes up for the printer&apos;s scale and how far to move the MICR line in your check-printing software. F1 opens the help.</source>
        <translation>Imprimez la page de placement sur vos formules de chèques, ou sur du papier ordinaire, et mesurez à la règle où tombe sa ligne MICR, depuis les bords que la page nomme. Tapez ce que vous lisez&#xa0;: le programme dit si la police choisie compense l&apos;échelle de l&apos;imprimante et de combien déplacer la ligne MICR dans votre logiciel d&apos;impression de chèques. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>Check on the &amp;sheet:</source>
        <translation>Chèque sur la &amp;feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Which check of 3-up stock the page is laid out for</source>
        <translation>Le chèque de la feuille de 3 pour lequel la page est disposée</translation>
    </message>
    <message>
        <source>Check on the sheet</source>
        <translation>Chèque sur la feuille</translation>
    </message>
    <message>
        <source>Choose a printer and print the placement page for this check and stock, in the face of the line chosen on step 2</source>
        <translation>Choisir une imprimante et imprimer la page de placement pour ce chèque et ces formules, dans la police de la ligne choisie à l&apos;étape 2</translation>
    </message>
    <message>
        <source>Check s&amp;tock:</source>
        <translation>F&amp;ormules de chèques&#xa0;:</translation>
    </message>
    <message>
        <source>The check stock: three checks to a sheet, stacked from the paper&apos;s top edge</source>
        <translation>Les formules de chèques&#xa0;: trois chèques par feuille, empilés depuis le bord supérieur du papier</translation>
    </message>
    <message>
        <source>Check stock</source>
        <translation>Formules de chèques</translation>
    </message>
    <message>
        <source>The height of one check of your stock, from its top edge to its perforation</source>
        <translation>La hauteur d&apos;un chèque de vos formules, de son bord supérieur à sa perforation</translation>
    </message>
    <message>
        <source>Height of one check</source>
        <translation>Hauteur d&apos;un chèque</translation>
    </message>
    <message>
        <source>Check stock: measure from the check&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</source>
        <translation>Formules de chèques&#xa0;: mesurez du bord inférieur du chèque (la perforation) jusqu&apos;à la ligne de base. Papier ordinaire&#xa0;: mesurez du bord supérieur du papier jusqu&apos;à elle</translation>
    </message>
    <message>
        <source>Check&apos;s bottom edge to the baseline:</source>
        <translation>Bord inférieur du chèque à la ligne de base&#xa0;:</translation>
    </message>
    <message>
        <source>Print the placement page again with the total correction applied, as your check-printing software will apply it; then measure it again to check the correction</source>
        <translation>Réimprimer la page de placement avec la correction totale appliquée, comme votre logiciel d&apos;impression de chèques l&apos;appliquera&#xa0;; puis la mesurer de nouveau pour vérifier la correction</translation>
    </message>
    <message>
        <source>The page&apos;s MICR line is set in %1, the face of Line %2 chosen on step 2.</source>
        <translation>La ligne MICR de la page est en %1, la police de la ligne %2 choisie à l&apos;étape 2.</translation>
    </message>
    <message>
        <source>The readings are of the page printed with the correction %1.</source>
        <translation>Les mesures sont celles de la page imprimée avec la correction %1.</translation>
    </message>
    <message>
        <source>Reference bar</source>
        <translation>Barre de référence</translation>
    </message>
    <message>
        <source>Vertical bar</source>
        <translation>Barre verticale</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Bord droit</translation>
    </message>
    <message>
        <source>Baseline</source>
        <translation>Ligne de base</translation>
    </message>
    <message>
        <source>Check height: %1</source>
        <translation>Hauteur du chèque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type the bar, the right edge and the baseline readings to see the scale, where the MICR line landed and the correction.</source>
        <translation>Tapez les mesures de la barre, du bord droit et de la ligne de base pour voir l&apos;échelle, où la ligne MICR est tombée et la correction.</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a check</source>
        <translation>3 par feuille sur Lettre, 3,5&#xa0;po par chèque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a check</source>
        <translation>3 par feuille sur A4, 99&#xa0;mm par chèque</translation>
    </message>
    <message>
        <source>%1 in</source>
        <comment>a cheque&apos;s height</comment>
        <translation>%1&#xa0;po</translation>
    </message>
    <message>
        <source>Take the readings from a scan of the printed placement page, the paper&apos;s edges showing against a dark lid</source>
        <translation>Prendre les mesures sur une numérisation de la page de placement imprimée, les bords du papier visibles sur un fond sombre</translation>
    </message>
    <message>
        <source>Fro&amp;m Scan...</source>
        <translation>À partir d&apos;une n&amp;umérisation...</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a scan refused: its file, why</comment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>TPrinters</name>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your cheque-printing software. Calibrate again after a toner change or on new cheque stock.</source>
        <translation type="vanished">Chaque imprimante sur laquelle la page de calibrage a été imprimée, avec la police à y utiliser, son dernier calibrage et la correction pour votre logiciel d&apos;impression de chèques. Recalibrez après un changement de toner ou de formules de chèques.</translation>
    </message>
    <message>
        <source>The printers the program remembers</source>
        <translation>Les imprimantes que le programme a retenues</translation>
    </message>
    <message>
        <source>Printers remembered</source>
        <translation>Imprimantes retenues</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Calibrated</source>
        <translation>Étalonnée</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Forget the selected printer&apos;s face, readings and correction</source>
        <translation>Oublier la police, les mesures et la correction de l&apos;imprimante choisie</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Oublier</translation>
    </message>
    <message>
        <source>Save every printer&apos;s face and correction as a text file</source>
        <translation>Enregistrer la police et la correction de chaque imprimante dans un fichier texte</translation>
    </message>
    <message>
        <source>&amp;Export as Text...</source>
        <translation>&amp;Exporter en texte...</translation>
    </message>
    <message>
        <source>Each printer the calibration page was printed on, with the face to use on it, its last calibration and the correction for your check-printing software. Calibrate again after a toner change or on new check stock.</source>
        <translation>Chaque imprimante sur laquelle la page d&apos;étalonnage a été imprimée, avec la police à y utiliser, son dernier étalonnage et la correction pour votre logiciel d&apos;impression de chèques. Refaites l&apos;étalonnage après un changement de toner ou de formules de chèques.</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesurée</translation>
    </message>
    <message>
        <source>Forget the printer &quot;%1&quot;?</source>
        <translation>Oublier l&apos;imprimante «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Its face, readings and correction will no longer be remembered.</source>
        <translation>Sa police, ses mesures et sa correction ne seront plus retenues.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export Printer Profiles</source>
        <translation>Exporter les profils d&apos;imprimantes</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The printer was not forgotten: %1.</source>
        <translation>L&apos;imprimante n&apos;a pas été oubliée&#xa0;: %1.</translation>
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
        <translation>Utilisation&#xa0;: micr-calibration [options Qt]
Trouve la largeur de la police MICR E-13B qui imprime la ligne MICR à
exactement 0,125&#xa0;pouce par caractère sur votre imprimante laser. Un assistant
en trois étapes imprime une page d&apos;étalonnage de cinq lignes MICR d&apos;essai,
prend les longueurs que vous y mesurez et nomme la police à utiliser&#xa0;; il
imprime ensuite une page de placement qui indique de combien déplacer la ligne
MICR dans le logiciel d&apos;impression de chèques, compose et vérifie votre ligne
MICR, et retient chaque imprimante. F1 ouvre l&apos;aide de chacune de ses fenêtres.

Options&#xa0;:
  -h, --help         Affiche cette aide.
  -v, --version      Affiche la version.
  -platform NAME     Le système de fenêtres de Qt&#xa0;: xcb, wayland ou offscreen.

Fichiers&#xa0;:
  ~/.config/micr-calibration/printers.ini  Ce que l&apos;assistant retient de
                                           chaque imprimante.
  /usr/share/micr-calibration              Les fichiers d&apos;aide micr.chm
                                           (anglais des États-Unis),
                                           micr-en_CA.chm (anglais du Canada)
                                           et micr-fr.chm (français), les bons
                                           de commande et le guide de la jauge.

Environnement&#xa0;:
  XDG_CONFIG_HOME  Le dossier de configuration, qui contient micr-calibration/,
                   ~/.config par défaut.
  LANG             Les paramètres régionaux&#xa0;: la langue des fenêtres, et la
                   virgule décimale des mesures là où ils en écrivent une.
  CUPS_SERVER      Le serveur d&apos;impression où l&apos;assistant imprime et dont il
                   liste les imprimantes.

Exemples&#xa0;:
  Démarrer l&apos;assistant dans une session Wayland sans XWayland&#xa0;:
    micr-calibration -platform wayland
  Écrire plutôt la page d&apos;étalonnage dans un fichier, pour un autre ordinateur&#xa0;:
    micr-calibration-page page -o page.pdf
</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>top</source>
        <comment>which check of three</comment>
        <translation>haut</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>which check of three</comment>
        <translation>milieu</translation>
    </message>
    <message>
        <source>bottom</source>
        <comment>which check of three</comment>
        <translation>bas</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a check</source>
        <translation>3 par feuille sur Lettre, 3,5&#xa0;po par chèque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a check</source>
        <translation>3 par feuille sur A4, 99&#xa0;mm par chèque</translation>
    </message>
    <message>
        <source>3-up, %1 in (%2 mm) a check</source>
        <translation>3 par feuille, %1&#xa0;po (%2&#xa0;mm) par chèque</translation>
    </message>
    <message>
        <source>%1 in (%2 mm)</source>
        <translation>%1&#xa0;po (%2&#xa0;mm)</translation>
    </message>
    <message>
        <source>good (within %1 in)</source>
        <translation>bon (à %1&#xa0;po près)</translation>
    </message>
    <message>
        <source>marginal (within %1 in: check with a MICR gauge)</source>
        <translation>limite (à %1&#xa0;po près&#xa0;: vérifiez avec une jauge MICR)</translation>
    </message>
    <message>
        <source>out of tolerance (more than %1 in from 7 in)</source>
        <translation>hors tolérance (à plus de %1&#xa0;po de 7&#xa0;po)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>aucune mesure</translation>
    </message>
    <message>
        <source>readings inconsistent: measure again</source>
        <translation>mesures incohérentes&#xa0;: mesurez de nouveau</translation>
    </message>
    <message>
        <source>page printed scaled: print it at 100 %</source>
        <translation>page imprimée à l&apos;échelle&#xa0;: imprimez-la à 100&#xa0;%</translation>
    </message>
    <message>
        <source>out of tolerance: the printer falls between two faces</source>
        <translation>hors tolérance&#xa0;: l&apos;imprimante tombe entre deux polices</translation>
    </message>
    <message>
        <source>Line %1 (%2) is %3</source>
        <translation>la ligne %1 (%2) est à %3</translation>
    </message>
    <message>
        <source>This printer falls between two faces: %1. Neither is within tolerance.</source>
        <translation>Cette imprimante tombe entre deux polices&#xa0;: %1. Aucune n&apos;est dans la tolérance.</translation>
    </message>
    <message>
        <source>Line %1 was not measured.</source>
        <translation>La ligne %1 n&apos;a pas été mesurée.</translation>
    </message>
    <message>
        <source>Not calibrated: %1.</source>
        <translation>Non étalonné&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Line %1 should print %2 in, %3 in from 7 in</source>
        <translation>La ligne %1 devrait mesurer %2&#xa0;po, à %3&#xa0;po de 7&#xa0;po</translation>
    </message>
    <message>
        <source>Line %1 measured %2 in, %3 in from 7 in</source>
        <translation>La ligne %1 mesure %2&#xa0;po, à %3&#xa0;po de 7&#xa0;po</translation>
    </message>
    <message>
        <source>%1: good.</source>
        <translation>%1&#xa0;: bon.</translation>
    </message>
    <message>
        <source>%1: marginal, check with a MICR gauge.</source>
        <translation>%1&#xa0;: limite, vérifiez avec une jauge MICR.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance. Choose Line %2 on step 2.</source>
        <translation>Non étalonné&#xa0;: %1, hors tolérance. Choisissez la ligne %2 à l&apos;étape 2.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance.</source>
        <translation>Non étalonné&#xa0;: %1, hors tolérance.</translation>
    </message>
    <message>
        <source>Type the length of at least one sample line.</source>
        <translation>Tapez la longueur d&apos;au moins une ligne d&apos;essai.</translation>
    </message>
    <message>
        <source>The readings do not agree with each other: one printer scales every line alike, but some reading is more than %1 in from what the others predict. Measure the lines again, from the left edge of the first mark to the left edge of the last.</source>
        <translation>Les mesures ne concordent pas&#xa0;: une imprimante met toutes les lignes à la même échelle, mais une mesure s&apos;écarte de plus de %1&#xa0;po de ce que prédisent les autres. Mesurez de nouveau les lignes, du bord gauche du premier signe au bord gauche du dernier.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is longer than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>La page a sans doute été imprimée à l&apos;échelle, à environ %1&#xa0;%&#xa0;: chaque ligne est plus longue qu&apos;aucune police MICR ne pourrait la faire. Imprimez de nouveau la page d&apos;étalonnage à 100&#xa0;%, sans «&#xa0;ajuster à la page&#xa0;» ni «&#xa0;réduire pour ajuster&#xa0;», avant de choisir une police.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is shorter than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>La page a sans doute été imprimée à l&apos;échelle, à environ %1&#xa0;%&#xa0;: chaque ligne est plus courte qu&apos;aucune police MICR ne pourrait la faire. Imprimez de nouveau la page d&apos;étalonnage à 100&#xa0;%, sans «&#xa0;ajuster à la page&#xa0;» ni «&#xa0;réduire pour ajuster&#xa0;», avant de choisir une police.</translation>
    </message>
    <message>
        <source>Line %1 was not measured: its length is predicted from the others. Measure it to confirm.</source>
        <translation>La ligne %1 n&apos;a pas été mesurée&#xa0;: sa longueur est prédite d&apos;après les autres. Mesurez-la pour confirmer.</translation>
    </message>
    <message>
        <source>Print a test check and check its MICR line with a MICR gauge.</source>
        <translation>Imprimez un chèque d&apos;essai et vérifiez sa ligne MICR avec une jauge MICR.</translation>
    </message>
    <message>
        <source>right or left %1 in (%2 mm, %3/1000 in)</source>
        <translation>de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po) vers la droite ou la gauche</translation>
    </message>
    <message>
        <source>right %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers la droite de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po)</translation>
    </message>
    <message>
        <source>left %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers la gauche de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po)</translation>
    </message>
    <message>
        <source>up or down %1 in (%2 mm, %3/1000 in)</source>
        <translation>de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po) vers le haut ou le bas</translation>
    </message>
    <message>
        <source>up %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers le haut de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po)</translation>
    </message>
    <message>
        <source>down %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers le bas de %1&#xa0;po (%2&#xa0;mm, %3/1000&#xa0;po)</translation>
    </message>
    <message>
        <source>right or left %1 in</source>
        <translation>de %1&#xa0;po vers la droite ou la gauche</translation>
    </message>
    <message>
        <source>right %1 in</source>
        <translation>vers la droite de %1&#xa0;po</translation>
    </message>
    <message>
        <source>left %1 in</source>
        <translation>vers la gauche de %1&#xa0;po</translation>
    </message>
    <message>
        <source>up or down %1 in</source>
        <translation>de %1&#xa0;po vers le haut ou le bas</translation>
    </message>
    <message>
        <source>up %1 in</source>
        <translation>vers le haut de %1&#xa0;po</translation>
    </message>
    <message>
        <source>down %1 in</source>
        <translation>vers le bas de %1&#xa0;po</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Line %1&apos;s face, %2</source>
        <translation>la police de la ligne %1, %2</translation>
    </message>
    <message>
        <source>Page scale across: %1 % (the bar is %2 in).</source>
        <translation>Échelle horizontale de la page&#xa0;: %1&#xa0;% (la barre mesure %2&#xa0;po).</translation>
    </message>
    <message>
        <source>%1, prints the MICR line %2 in long</source>
        <translation>%1, imprime la ligne MICR sur %2&#xa0;po</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1, n&apos;est pas installée</translation>
    </message>
    <message>
        <source>%1 At this scale %2: fine, the face makes up for the printer&apos;s scale.</source>
        <translation>%1 À cette échelle, %2&#xa0;: bien, la police compense l&apos;échelle de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in.</source>
        <translation>%1 À cette échelle, %2&#xa0;: hors tolérance. Avec %3, la ligne MICR serait à %4&#xa0;po près de 7&#xa0;po.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance, and no face prints it within %3 in of 7 in. %4</source>
        <translation>%1 À cette échelle, %2&#xa0;: hors tolérance, et aucune police ne l&apos;imprime à %3&#xa0;po près de 7&#xa0;po. %4</translation>
    </message>
    <message>
        <source>%1 No face prints the MICR line within %2 in of 7 in at this scale, nor comes near: the page was scaled on its way to the printer.</source>
        <translation>%1 À cette échelle, aucune police n&apos;imprime la ligne MICR à %2&#xa0;po près de 7&#xa0;po, ni n&apos;en approche&#xa0;: la page a été mise à l&apos;échelle en route vers l&apos;imprimante.</translation>
    </message>
    <message>
        <source>No correction from these readings: the page&apos;s scales across and down differ by more than %1 %, which no printer does, so a bar was misread. Measure the reference bar (%2 in) and the vertical bar (%3 in) again, each from its first tick to its last.</source>
        <translation>Aucune correction d&apos;après ces mesures&#xa0;: les échelles horizontale et verticale de la page diffèrent de plus de %1&#xa0;%, ce qu&apos;aucune imprimante ne fait&#xa0;; une barre a donc été mal lue. Mesurez de nouveau la barre de référence (%2&#xa0;po) et la barre verticale (%3&#xa0;po), chacune de son premier trait à son dernier.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline lies on the %1 check, but the page was printed for the %2 check. Choose the check the page was printed for, or measure again from the paper&apos;s top edge down to the baseline rule under the MICR line of the %2 check.</source>
        <translation>Aucune correction d&apos;après ces mesures&#xa0;: la ligne de base est sur le chèque du %1, mais la page a été imprimée pour le chèque du %2. Choisissez le chèque pour lequel la page a été imprimée, ou mesurez de nouveau du bord supérieur du papier jusqu&apos;au trait de base sous la ligne MICR du chèque du %2.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline is %1 in above the %2 check&apos;s bottom edge, more than 1/2 in outside its MICR print band (%3 to %4 in). Measure again, from the check&apos;s bottom edge up to the baseline rule under the MICR line, or from the paper&apos;s top edge down to it.</source>
        <translation>Aucune correction d&apos;après ces mesures&#xa0;: la ligne de base est à %1&#xa0;po au-dessus du bord inférieur du chèque du %2, à plus de 1/2&#xa0;po hors de sa bande d&apos;impression MICR (%3 à %4&#xa0;po). Mesurez de nouveau, du bord inférieur du chèque jusqu&apos;au trait de base sous la ligne MICR, ou du bord supérieur du papier jusqu&apos;à ce trait.</translation>
    </message>
    <message>
        <source>Page scale down: %1 % (the vertical bar is %2 in).</source>
        <translation>Échelle verticale de la page&#xa0;: %1&#xa0;% (la barre verticale mesure %2&#xa0;po).</translation>
    </message>
    <message>
        <source>Page scale down: not measured, taken as 100 %.</source>
        <translation>Échelle verticale de la page&#xa0;: non mesurée, prise à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>This page carries the correction %1.</source>
        <translation>Cette page porte la correction %1.</translation>
    </message>
    <message>
        <source>No correction from a scaled page: print it at 100 %, with no &quot;fit to page&quot;, then measure the page again.</source>
        <translation>Aucune correction d&apos;une page mise à l&apos;échelle&#xa0;: imprimez-la à 100&#xa0;%, sans «&#xa0;ajuster à la page&#xa0;», puis mesurez-la de nouveau.</translation>
    </message>
    <message>
        <source>On the %1 check (%2), position 1 ends %3 in from the check&apos;s right edge (the standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).</source>
        <translation>Sur le chèque du %1 (%2), la position 1 finit à %3&#xa0;po du bord droit du chèque (la norme la met à %4&#xa0;po) et la ligne de base est à %5&#xa0;po au-dessus de son bord inférieur (%6&#xa0;po).</translation>
    </message>
    <message>
        <source>Correction for your check-printing software: move the MICR line %1.</source>
        <translation>Correction pour votre logiciel d&apos;impression de chèques&#xa0;: déplacez la ligne MICR %1.</translation>
    </message>
    <message>
        <source>Still to move from the page&apos;s correction: %1.</source>
        <translation>Reste à déplacer depuis la correction de la page&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Total correction for your check-printing software, in place of the page&apos;s: move the MICR line %1.</source>
        <translation>Correction totale pour votre logiciel d&apos;impression de chèques, au lieu de celle de la page&#xa0;: déplacez la ligne MICR %1.</translation>
    </message>
    <message>
        <source>Both moves are within 1/32 in: the placement is fine.</source>
        <translation>Les deux déplacements sont inférieurs à 1/32&#xa0;po&#xa0;: le placement est bon.</translation>
    </message>
    <message>
        <source>A move is more than 1/32 in: print the page again with the total correction, then measure it again.</source>
        <translation>Un déplacement dépasse 1/32&#xa0;po&#xa0;: imprimez de nouveau la page avec la correction totale, puis mesurez-la de nouveau.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again and measure it.</source>
        <translation>Pas encore placé&#xa0;: choisissez la ligne %1 à l&apos;étape 2, puis imprimez de nouveau la page et mesurez-la.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again with the total correction and measure it.</source>
        <translation>Pas encore placé&#xa0;: choisissez la ligne %1 à l&apos;étape 2, puis imprimez de nouveau la page avec la correction totale et mesurez-la.</translation>
    </message>
    <message>
        <source>Not calibrated: no face makes up for this printer&apos;s scale, so its MICR line is out of tolerance wherever it is placed.</source>
        <translation>Non étalonné&#xa0;: aucune police ne compense l&apos;échelle de cette imprimante&#xa0;; sa ligne MICR est donc hors tolérance où qu&apos;elle soit placée.</translation>
    </message>
    <message>
        <source>printer &quot;%1&quot;: the value %2 (&quot;%3&quot;) is out of range and was dropped</source>
        <translation>imprimante «&#xa0;%1&#xa0;»&#xa0;: la valeur %2 («&#xa0;%3&#xa0;») est hors limites et a été retirée</translation>
    </message>
    <message>
        <source>an entry that names no printer was cut short or is not this program&apos;s, and was left out</source>
        <translation>une entrée qui ne nomme aucune imprimante était tronquée ou ne vient pas de ce programme, et a été écartée</translation>
    </message>
    <message>
        <source>the profile of printer &quot;%1&quot; was cut short or is not this program&apos;s, and was left out</source>
        <translation>le profil de l&apos;imprimante «&#xa0;%1&#xa0;» était tronqué ou ne vient pas de ce programme, et a été écarté</translation>
    </message>
    <message>
        <source>a line that is not a setting was left out</source>
        <translation>une ligne qui n&apos;est pas un réglage a été écartée</translation>
    </message>
    <message>
        <source>it has no version: it is not a settings file this program wrote</source>
        <translation>il n&apos;a pas de version&#xa0;: ce n&apos;est pas un fichier de réglages écrit par ce programme</translation>
    </message>
    <message>
        <source>it is of another version (%1)</source>
        <translation>il est d&apos;une autre version (%1)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2. The file was left as it is.</source>
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables&#xa0;: %2. Le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2. The file was set aside as %3; the program starts with no printer profiles.</source>
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables&#xa0;: %2. Le fichier a été mis de côté sous %3&#xa0;; le programme démarre sans profil d&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2, and it could not be moved aside. The program goes on without printer profiles.</source>
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables&#xa0;: %2, et le fichier n&apos;a pas pu être mis de côté. Le programme continue sans profil d&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 are damaged: %2. The rest can be read; the file was left as it is.</source>
        <translation>Les profils d&apos;imprimante de %1 sont endommagés&#xa0;: %2. Le reste est lisible&#xa0;; le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file as it was is kept as %3.</source>
        <translation>Dans les profils d&apos;imprimante de %1&#xa0;: %2. Les autres imprimantes et valeurs ont été gardées&#xa0;; le fichier d&apos;origine est conservé sous %3.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file was left as it is, as it could not be copied aside.</source>
        <translation>Dans les profils d&apos;imprimante de %1&#xa0;: %2. Les autres imprimantes et valeurs ont été gardées&#xa0;; le fichier a été laissé tel quel, faute de pouvoir le copier à côté.</translation>
    </message>
    <message>
        <source>The line is empty.</source>
        <translation>La ligne est vide.</translation>
    </message>
    <message>
        <source>The line has &quot;%1&quot;, which the MICR font cannot print: the dash symbol is D or =.</source>
        <translation>La ligne contient «&#xa0;%1&#xa0;», que la police MICR ne peut pas imprimer&#xa0;: le symbole de tiret est D ou =.</translation>
    </message>
    <message>
        <source>The line has &quot;%1&quot;, which the MICR font cannot print: it prints the digits, spaces and the symbols A, B, C and D (or : ; &lt; =).</source>
        <translation>La ligne contient «&#xa0;%1&#xa0;», que la police MICR ne peut pas imprimer&#xa0;: elle imprime les chiffres, les espaces et les symboles A, B, C et D (ou «&#xa0;:&#xa0;», «&#xa0;;&#xa0;», «&#xa0;&lt;&#xa0;» et «&#xa0;=&#xa0;»).</translation>
    </message>
    <message>
        <source>The line needs two transit symbols (A or :), around the routing number, at positions %1 and %2; it has %3.</source>
        <translation>La ligne doit avoir deux symboles de transit (A ou :) autour du numéro d&apos;acheminement, aux positions %1 et %2&#xa0;; elle en a %3.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the on-us field after it takes %5 positions; it has room for %6 (positions %7 to %8).</source>
        <translation>Le champ de transit occupe les positions %1 à %2&#xa0;; sa place est de %3 à %4&#xa0;: le champ on-us qui le suit prend %5 positions&#xa0;; il n&apos;a de place que pour %6 (positions %7 à %8).</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted left, with too many spaces after it.</source>
        <translation>Le champ de transit occupe les positions %1 à %2&#xa0;; sa place est de %3 à %4&#xa0;: la ligne est décalée vers la gauche, avec trop d&apos;espaces après lui.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the bank&apos;s number in it is not as long as it should be.</source>
        <translation>Le champ de transit occupe les positions %1 à %2&#xa0;; sa place est de %3 à %4&#xa0;: le numéro de la banque qu&apos;il contient n&apos;a pas la bonne longueur.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted right, short of spaces after it.</source>
        <translation>Le champ de transit occupe les positions %1 à %2&#xa0;; sa place est de %3 à %4&#xa0;: la ligne est décalée vers la droite, il manque des espaces après lui.</translation>
    </message>
    <message>
        <source>The branch number is missing: the transit field holds the %1-digit branch number, the dash symbol (D or =) and the %2-digit institution number.</source>
        <translation>Le numéro de succursale manque&#xa0;: le champ de transit contient le numéro de succursale de %1 chiffres, le symbole de tiret (D ou =) et le numéro d&apos;institution de %2 chiffres.</translation>
    </message>
    <message>
        <source>The branch number %1 has %2 digits: it is the whole transit number. Split it: branch number %3, institution number %4.</source>
        <translation>Le numéro de succursale %1 a %2 chiffres&#xa0;: c&apos;est le numéro de transit complet. Séparez-le&#xa0;: numéro de succursale %3, numéro d&apos;institution %4.</translation>
    </message>
    <message>
        <source>The branch number &quot;%1&quot; is not %2 digits.</source>
        <translation>Le numéro de succursale «&#xa0;%1&#xa0;» n&apos;a pas %2 chiffres.</translation>
    </message>
    <message>
        <source>The institution number is missing: it is the %1 digits after the dash symbol (D or =).</source>
        <translation>Le numéro d&apos;institution manque&#xa0;: ce sont les %1 chiffres après le symbole de tiret (D ou =).</translation>
    </message>
    <message>
        <source>The institution number &quot;%1&quot; is not %2 digits.</source>
        <translation>Le numéro d&apos;institution «&#xa0;%1&#xa0;» n&apos;a pas %2 chiffres.</translation>
    </message>
    <message>
        <source>The institution number &quot;%1&quot; is not %2 digits: the transit field has one dash symbol (D or =).</source>
        <translation>Le numéro d&apos;institution «&#xa0;%1&#xa0;» n&apos;a pas %2 chiffres&#xa0;: le champ de transit a un seul symbole de tiret (D ou =).</translation>
    </message>
    <message>
        <source>The routing number is missing: type its %1 digits; the line puts the transit symbols around it.</source>
        <translation>Le numéro d&apos;acheminement manque&#xa0;: tapez ses %1 chiffres&#xa0;; la ligne l&apos;entoure elle-même des symboles de transit.</translation>
    </message>
    <message>
        <source>The routing number &quot;%1&quot; is not all digits.</source>
        <translation>Le numéro d&apos;acheminement «&#xa0;%1&#xa0;» ne contient pas que des chiffres.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number has %2. A Canadian transit number (%3-digit branch, %4-digit institution) is typed in the Canadian layout: branch number %5, institution number %6.</source>
        <translation>Le numéro d&apos;acheminement a %1 chiffres&#xa0;; il en faut %2. Un numéro de transit canadien (succursale de %3 chiffres, institution de %4 chiffres) se tape dans la disposition canadienne&#xa0;: numéro de succursale %5, numéro d&apos;institution %6.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number needs %2.</source>
        <translation>Le numéro d&apos;acheminement a %1 chiffres&#xa0;; il en faut %2.</translation>
    </message>
    <message>
        <source>The routing number starts with %1: prefixes 61 to 72 are for electronic payments only and never stand on a check.</source>
        <translation>Le numéro d&apos;acheminement commence par %1&#xa0;: les préfixes 61 à 72 servent aux seuls paiements électroniques et ne figurent jamais sur un chèque.</translation>
    </message>
    <message>
        <source>The routing number starts with %1, which no Federal Reserve routing symbol on a check does (00-12, 21-32, 80).</source>
        <translation>Le numéro d&apos;acheminement commence par %1, ce que ne fait aucun symbole d&apos;acheminement de la Réserve fédérale sur un chèque (00-12, 21-32, 80).</translation>
    </message>
    <message>
        <source>The routing number&apos;s check digit is %1, but its other digits make it %2: a digit was mistyped.</source>
        <translation>Le chiffre de contrôle du numéro d&apos;acheminement est %1, mais ses autres chiffres donnent %2&#xa0;: un chiffre a été mal tapé.</translation>
    </message>
    <message>
        <source>The external processing code &quot;%1&quot; is not one digit: it is one digit at position %2, or none.</source>
        <translation>Le code de traitement externe «&#xa0;%1&#xa0;» n&apos;est pas un seul chiffre&#xa0;: c&apos;est un chiffre à la position %2, ou rien.</translation>
    </message>
    <message>
        <source>Position %1, the external processing code&apos;s, holds a symbol: the auxiliary on-us field (a business check&apos;s serial number between on-us symbols) ends at %2, with %1 blank or the code&apos;s digit.</source>
        <translation>La position %1, celle du code de traitement externe, contient un symbole&#xa0;: le champ on-us auxiliaire (le numéro de série d&apos;un chèque d&apos;entreprise entre symboles on-us) se termine à %2, la position %1 restant vide ou portant le chiffre du code.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field runs to position %1, past %2, the last on a check: it has room for %3 (positions %2 to %4).</source>
        <translation>Le champ on-us auxiliaire va jusqu&apos;à la position %1, au-delà de %2, la dernière d&apos;un chèque&#xa0;: il a de la place pour %3 (positions %2 à %4).</translation>
    </message>
    <message>
        <source>The auxiliary on-us field &quot;%1&quot; is not between on-us symbols (C or &lt;): it starts and ends with one.</source>
        <translation>Le champ on-us auxiliaire «&#xa0;%1&#xa0;» n&apos;est pas entre symboles on-us (C ou &lt;)&#xa0;: il doit commencer et finir par l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field ends at position %1; it ends at %2, next to position %3.</source>
        <translation>Le champ on-us auxiliaire se termine à la position %1&#xa0;; il doit se terminer à %2, à côté de la position %3.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>Le champ on-us auxiliaire contient le symbole de montant (B ou ;), qui est réservé au montant&#xa0;: le symbole on-us est C ou &lt;.</translation>
    </message>
    <message>
        <source>The on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>Le champ on-us contient le symbole de montant (B ou ;), qui est réservé au montant&#xa0;: le symbole on-us est C ou &lt;.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>Le champ on-us auxiliaire contient le symbole de transit (A ou :), qui est réservé au numéro d&apos;acheminement.</translation>
    </message>
    <message>
        <source>The on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>Le champ on-us contient le symbole de transit (A ou :), qui est réservé au numéro d&apos;acheminement.</translation>
    </message>
    <message>
        <source>The line runs to position %1; a check has %2.</source>
        <translation>La ligne va jusqu&apos;à la position %1&#xa0;; un chèque en a %2.</translation>
    </message>
    <message>
        <source>The on-us field is missing: type it as your bank prints it (the account number and the on-us symbol, C or &lt;).</source>
        <translation>Le champ on-us manque&#xa0;: tapez-le comme votre banque l&apos;imprime (le numéro de compte et le symbole on-us, C ou &lt;).</translation>
    </message>
    <message>
        <source>The on-us field &quot;%1&quot; has no on-us symbol (C or &lt;): the bank&apos;s checks show one after the account number.</source>
        <translation>Le champ on-us «&#xa0;%1&#xa0;» n&apos;a pas de symbole on-us (C ou &lt;)&#xa0;: les chèques de la banque en montrent un après le numéro de compte.</translation>
    </message>
    <message>
        <source>The on-us field repeats the routing number %1: the account number goes there.</source>
        <translation>Le champ on-us répète le numéro d&apos;acheminement %1&#xa0;: c&apos;est le numéro de compte qui va là.</translation>
    </message>
    <message>
        <source>Position %1, between the amount and the on-us field, is not blank.</source>
        <translation>La position %1, entre le montant et le champ on-us, n&apos;est pas vide.</translation>
    </message>
    <message>
        <source>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the check is deposited.</source>
        <translation>Les positions %1 à %2, la zone du montant, contiennent «&#xa0;%3&#xa0;»&#xa0;: laissez-les vides, la banque encode le montant quand le chèque est déposé.</translation>
    </message>
    <message>
        <source>Positions %1 to %2, the amount field, hold &quot;%3&quot;: leave them blank, the bank encodes the amount when the check is deposited. If the last symbol marks the account number, it is the on-us symbol, C or &lt;.</source>
        <translation>Les positions %1 à %2, la zone du montant, contiennent «&#xa0;%3&#xa0;»&#xa0;: laissez-les vides, la banque encode le montant quand le chèque est déposé. Si le dernier symbole termine le numéro de compte, c&apos;est le symbole on-us, C ou &lt;.</translation>
    </message>
    <message>
        <source>amount</source>
        <comment>a MICR line field</comment>
        <translation>montant</translation>
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
        <translation>on-us auxiliaire</translation>
    </message>
    <message>
        <source>external processing code</source>
        <comment>a MICR line field</comment>
        <translation>code de traitement externe</translation>
    </message>
    <message>
        <source>Put these keys in the [Global] section of freecheck.cfg, in place of the ones there.</source>
        <translation>Mettez ces clés dans la section [Global] de freecheck.cfg, à la place de celles qui y sont.</translation>
    </message>
    <message>
        <source>The tweaks are for %1 of %2, a check 8.5 in wide at the paper&apos;s left edge (CheckWidth 8.5 inch, CheckHorOffset 0 inch), with FreeCheck&apos;s checks on the stock&apos;s (CheckHeight %3 inch, CheckVerOffset %4 inch), and a line whose transit symbol stands at position %5.</source>
        <translation>Les ajustements sont pour %1 de %2, un chèque de 8,5&#xa0;po de large au bord gauche du papier (CheckWidth 8.5 inch, CheckHorOffset 0 inch), avec les chèques de FreeCheck sur ceux de la formule (CheckHeight %3 inch, CheckVerOffset %4 inch), et une ligne dont le symbole de transit est en position %5.</translation>
    </message>
    <message>
        <source>For a check of another width, or not at the paper&apos;s left edge, add (R - 8.5) x %1 inch to MICRHorTweak, R being the check&apos;s right edge in inches from the paper&apos;s left edge (CheckHorOffset + CheckWidth): %2 inch for each inch further right.</source>
        <translation>Pour un chèque d&apos;une autre largeur, ou pas au bord gauche du papier, ajoutez (R - 8.5) x %1 inch à MICRHorTweak, R étant le bord droit du chèque en pouces depuis le bord gauche du papier (CheckHorOffset + CheckWidth)&#xa0;: %2 inch par pouce de plus vers la droite.</translation>
    </message>
    <message>
        <source>FreeCheck finds the face by its PostScript name, %1: your PostScript interpreter must know it (for Ghostscript, a line in its Fontmap).</source>
        <translation>FreeCheck trouve la police par son nom PostScript, %1&#xa0;: votre interpréteur PostScript doit le connaître (pour Ghostscript, une ligne dans son Fontmap).</translation>
    </message>
    <message>
        <source>FreeCheck moves every check of the sheet by the same tweak: at this printer&apos;s scale down the others&apos; baselines land up to %1 in from where this one&apos;s does.</source>
        <translation>FreeCheck déplace chaque chèque de la feuille du même ajustement&#xa0;: à l&apos;échelle verticale de cette imprimante, la ligne de base des autres tombe jusqu&apos;à %1&#xa0;po de celle de celui-ci.</translation>
    </message>
    <message>
        <source>GnuCash prints the MICR line from its check format, character by character: compose your MICR line first (My MICR Line, or --micr-line).</source>
        <translation>GnuCash imprime la ligne MICR depuis son format de chèque, caractère par caractère&#xa0;: composez d&apos;abord votre ligne MICR (Ma ligne MICR, ou --micr-line).</translation>
    </message>
    <message>
        <source>The check number is the transaction&apos;s Num, right-aligned in positions %1 to %2: give it %3 digits (with leading zeros) to fill them. GnuCash sets it at %4 pt a digit, not %5, so each digit stands up to %6 in from its cell.</source>
        <translation>Le numéro du chèque est le Num de l&apos;opération, aligné à droite dans les positions %1 à %2&#xa0;: donnez-lui %3 chiffres (avec des zéros en tête) pour les remplir. GnuCash le compose à %4&#xa0;pt par chiffre, pas %5, donc chaque chiffre se trouve jusqu&apos;à %6&#xa0;po de sa case.</translation>
    </message>
    <message>
        <source>Copy %1 into ~/.local/share/gnucash/checks/ (make the folder if there is none) and restart GnuCash; in Print Checks choose &quot;%2&quot; and the check&apos;s position, Top, Middle or Bottom, with no custom translation.</source>
        <translation>Copiez %1 dans ~/.local/share/gnucash/checks/ (créez le dossier s&apos;il n&apos;existe pas) et redémarrez GnuCash&#xa0;; dans Imprimer des chèques, choisissez «&#xa0;%2&#xa0;» et la position du chèque, Haut, Milieu ou Bas, sans translation personnalisée.</translation>
    </message>
    <message>
        <source>The format prints the MICR line only: to print it with your check&apos;s other items, copy its [Check Items] into your own format, numbering them on from yours.</source>
        <translation>Le format n&apos;imprime que la ligne MICR&#xa0;: pour l&apos;imprimer avec les autres éléments de votre chèque, copiez ses [Check Items] dans votre propre format, en les numérotant à la suite des vôtres.</translation>
    </message>
    <message>
        <source>In Odoo, Accounting settings, Checks: add these to the Check Top Margin and Check Left Margin (inches); a negative figure takes that much off.</source>
        <translation>Dans Odoo, paramètres de Comptabilité, Chèques&#xa0;: ajoutez-les à la marge supérieure et à la marge gauche du chèque (en pouces)&#xa0;; un nombre négatif retire autant.</translation>
    </message>
    <message>
        <source>They are for %1 (%2) and a line whose leftmost character stands at position %3, in %4 at 10 points; print at 100 %, with no zoom in the PDF converter.</source>
        <translation>Elles sont pour %1 (%2) et une ligne dont le caractère le plus à gauche est en position %3, en %4 à 10&#xa0;points&#xa0;; imprimez à 100&#xa0;%, sans zoom dans le convertisseur PDF.</translation>
    </message>
    <message>
        <source>Your MICR line has faults (%1): mend them before printing checks.</source>
        <translation>Votre ligne MICR a des défauts (%1)&#xa0;: corrigez-les avant d&apos;imprimer des chèques.</translation>
    </message>
    <message>
        <source>%1 is not installed: its widths and names are read from the face itself. Install it, then write the settings again.</source>
        <translation>%1 n&apos;est pas installée&#xa0;: ses largeurs et ses noms sont lus dans la police elle-même. Installez-la, puis écrivez de nouveau les réglages.</translation>
    </message>
    <message>
        <source>%1-%2 in from the check&apos;s left edge, %3-%4 in above its bottom edge</source>
        <translation>de %1 à %2&#xa0;po du bord gauche du chèque, de %3 à %4&#xa0;po au-dessus de son bord inférieur</translation>
    </message>
    <message>
        <source>the top check</source>
        <translation>le chèque du haut</translation>
    </message>
    <message>
        <source>the middle check</source>
        <translation>le chèque du milieu</translation>
    </message>
    <message>
        <source>the bottom check</source>
        <translation>le chèque du bas</translation>
    </message>
    <message>
        <source>a printer on which Line %1&apos;s face prints the MICR line %2 in long</source>
        <translation>une imprimante sur laquelle la police de la ligne %1 imprime la ligne MICR longue de %2&#xa0;po</translation>
    </message>
    <message>
        <source>printer %1, calibrated for Line %2</source>
        <translation>l&apos;imprimante %1, étalonnée pour la ligne %2</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>sans date</translation>
    </message>
    <message>
        <source>printer %1, calibrated for Line %2, placement measured %3</source>
        <translation>l&apos;imprimante %1, étalonnée pour la ligne %2, placement mesuré le %3</translation>
    </message>
    <message>
        <source>No MICR line found on %1: no text there is in a MICR face. The page uses no fonts.</source>
        <translation>Aucune ligne MICR sur %1&#xa0;: aucun texte n&apos;y est dans une police MICR. La page n&apos;utilise aucune police.</translation>
    </message>
    <message>
        <source>No MICR line found on %1: no text there is in a MICR face. The page uses the fonts %2.</source>
        <translation>Aucune ligne MICR sur %1&#xa0;: aucun texte n&apos;y est dans une police MICR. La page utilise les polices %2.</translation>
    </message>
    <message>
        <source>The line mixes faces: %1 and %2.</source>
        <translation>La ligne mêle des polices&#xa0;: %1 et %2.</translation>
    </message>
    <message>
        <source>The line is in %1, but this printer is calibrated for %2 (Line %3).</source>
        <translation>La ligne est en %1, mais cette imprimante est étalonnée pour %2 (ligne %3).</translation>
    </message>
    <message>
        <source>The line prints at %1 pt; it must print at 10 pt (within %2 pt). A page zoomed or fitted to the paper changes the size: print at 100 %.</source>
        <translation>La ligne s&apos;imprime à %1&#xa0;pt&#xa0;; elle doit s&apos;imprimer à 10&#xa0;pt (à %2&#xa0;pt près). Une page agrandie ou ajustée au papier change la taille&#xa0;: imprimez à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Two characters fall in position %1: they stand closer than %2 in (another size or face), or the line is printed twice.</source>
        <translation>Deux caractères tombent en position %1&#xa0;: ils sont à moins de %2&#xa0;po l&apos;un de l&apos;autre (autre taille ou autre police), ou la ligne est imprimée deux fois.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far left.</source>
        <translation>Le dernier caractère de la ligne est en position %1&#xa0;; il va en position %2&#xa0;: la ligne est 1 position trop à gauche.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is 1 position too far right.</source>
        <translation>Le dernier caractère de la ligne est en position %1&#xa0;; il va en position %2&#xa0;: la ligne est 1 position trop à droite.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far left.</source>
        <translation>Le dernier caractère de la ligne est en position %1&#xa0;; il va en position %2&#xa0;: la ligne est %3 positions trop à gauche.</translation>
    </message>
    <message>
        <source>The line&apos;s last character stands in position %1; it belongs in position %2: the line is %3 positions too far right.</source>
        <translation>Le dernier caractère de la ligne est en position %1&#xa0;; il va en position %2&#xa0;: la ligne est %3 positions trop à droite.</translation>
    </message>
    <message>
        <source>Text in the clear band: &quot;%1&quot;, %2.</source>
        <translation>Texte dans la bande libre&#xa0;: «&#xa0;%1&#xa0;», %2.</translation>
    </message>
    <message>
        <source>A drawing in the clear band, %1.</source>
        <translation>Un dessin dans la bande libre, %1.</translation>
    </message>
    <message>
        <source>Printer: %1 (%2 at 10 pt); page scale %3 % across, %4 % down.</source>
        <translation>Imprimante&#xa0;: %1 (%2 à 10&#xa0;pt)&#xa0;; échelle de la page %3&#xa0;% en largeur, %4&#xa0;% en hauteur.</translation>
    </message>
    <message>
        <source>Check: the top one, %1.</source>
        <translation>Chèque&#xa0;: celui du haut, %1.</translation>
    </message>
    <message>
        <source>Check: the middle one, %1.</source>
        <translation>Chèque&#xa0;: celui du milieu, %1.</translation>
    </message>
    <message>
        <source>Check: the bottom one, %1.</source>
        <translation>Chèque&#xa0;: celui du bas, %1.</translation>
    </message>
    <message>
        <source>MICR line: %1 at %2 pt.</source>
        <translation>Ligne MICR&#xa0;: %1 à %2&#xa0;pt.</translation>
    </message>
    <message>
        <source>Text: &quot;%1&quot;, positions %2 to %3.</source>
        <translation>Texte&#xa0;: «&#xa0;%1&#xa0;», positions %2 à %3.</translation>
    </message>
    <message>
        <source>Position 1 ends %1 in from the check&apos;s right edge (the standard puts it at %2 in); the baseline is %3 in above its bottom edge (%4 in).</source>
        <translation>La position 1 finit à %1&#xa0;po du bord droit du chèque (la norme la met à %2&#xa0;po)&#xa0;; la ligne de base est à %3&#xa0;po au-dessus de son bord inférieur (%4&#xa0;po).</translation>
    </message>
    <message>
        <source>Move the MICR line in the program that made the file: %1.</source>
        <translation>Déplacez la ligne MICR dans le logiciel qui a produit le fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No faults.</source>
        <translation>Aucun défaut.</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>Défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Both moves are within 1/32 in.</source>
        <translation>Les deux déplacements sont à 1/32&#xa0;po près.</translation>
    </message>
    <message>
        <source>A move is more than 1/32 in: move the line, print the check to a file again and check it.</source>
        <translation>Un déplacement dépasse 1/32&#xa0;po&#xa0;: déplacez la ligne, imprimez de nouveau le chèque dans un fichier et vérifiez-le.</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 is neither a PDF nor a PostScript file</source>
        <translation>%1 n&apos;est ni un fichier PDF ni un fichier PostScript</translation>
    </message>
    <message>
        <source>%1 is cut short: it does not end as a PDF file does</source>
        <translation>%1 est tronqué&#xa0;: il ne se termine pas comme un fichier PDF</translation>
    </message>
    <message>
        <source>%1 is cut short: it does not end as a PostScript file does</source>
        <translation>%1 est tronqué&#xa0;: il ne se termine pas comme un fichier PostScript</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is damaged, or not a PDF file</source>
        <translation>%1 ne peut pas être lu&#xa0;: il est endommagé, ou ce n&apos;est pas un fichier PDF</translation>
    </message>
    <message>
        <source>%1 is encrypted with a password: print the check to a file without one</source>
        <translation>%1 est chiffré avec un mot de passe&#xa0;: imprimez le chèque dans un fichier sans mot de passe</translation>
    </message>
    <message>
        <source>%1 has no page</source>
        <translation>%1 n&apos;a aucune page</translation>
    </message>
    <message>
        <source>%1: its first page cannot be read</source>
        <translation>%1&#xa0;: sa première page ne peut pas être lue</translation>
    </message>
    <message>
        <source>%1 is PostScript, and reading PostScript needs Ghostscript (gs), which is not installed: install the ghostscript package, or print the check to a PDF file</source>
        <translation>%1 est en PostScript, et lire du PostScript demande Ghostscript (gs), qui n&apos;est pas installé&#xa0;: installez le paquet ghostscript, ou imprimez le chèque dans un fichier PDF</translation>
    </message>
    <message>
        <source>%1: Ghostscript could not read it in %2 s</source>
        <translation>%1&#xa0;: Ghostscript n&apos;a pas pu le lire en %2&#xa0;s</translation>
    </message>
    <message>
        <source>%1 cannot be read as PostScript</source>
        <translation>%1 ne peut pas être lu comme PostScript</translation>
    </message>
    <message>
        <source>%1: no temporary folder for Ghostscript&apos;s PDF</source>
        <translation>%1&#xa0;: aucun dossier temporaire pour le PDF de Ghostscript</translation>
    </message>
    <message>
        <source>%1 cannot be read as PostScript (Ghostscript: %2)</source>
        <translation>%1 ne peut pas être lu comme PostScript (Ghostscript&#xa0;: %2)</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bon</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>between two faces</source>
        <translation>entre deux polices</translation>
    </message>
    <message>
        <source>page scaled</source>
        <translation>page mise à l&apos;échelle</translation>
    </message>
    <message>
        <source>readings disagree</source>
        <translation>mesures incohérentes</translation>
    </message>
    <message>
        <source>out of tolerance</source>
        <translation>hors tolérance</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>sans verdict</translation>
    </message>
    <message>
        <source>  Face: %1 (Line %2), at 10 points</source>
        <translation>  Police&#xa0;: %1 (ligne %2), à 10&#xa0;points</translation>
    </message>
    <message>
        <source>line %1 %2 in</source>
        <translation>ligne %1&#xa0;: %2&#xa0;po</translation>
    </message>
    <message>
        <source>  Calibrated %1: %2; %3</source>
        <translation>  Étalonnée le %1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>  Not measured</source>
        <translation>  Pas mesurée</translation>
    </message>
    <message>
        <source>  Placement %1, %2, %3: move the MICR line %4</source>
        <translation>  Placement du %1, %2, %3&#xa0;: déplacez la ligne MICR %4</translation>
    </message>
    <message>
        <source>  Placement not measured</source>
        <translation>  Placement pas mesuré</translation>
    </message>
    <message>
        <source>  MICR line: %1</source>
        <translation>  Ligne MICR&#xa0;: %1</translation>
    </message>
    <message>
        <source>No printer profiles.</source>
        <translation>Aucun profil d&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page is %1 x %2 pt, neither Letter nor A4: its checks are taken as %3 stock&apos;s. Print the check on the paper of the stock.</source>
        <translation>La page mesure %1 x %2&#xa0;pt, ni Lettre ni A4&#xa0;: ses chèques sont pris comme ceux de la formule %3. Imprimez le chèque sur le papier de la formule.</translation>
    </message>
    <message>
        <source>The MICR line is drawn as shapes, not as text: its glyphs are in a font with no name, as a program makes them when the face cannot be embedded. Install the face so that the program may embed it, or print from a program that embeds it.</source>
        <translation>La ligne MICR est dessinée en formes, non en texte&#xa0;: ses glyphes sont dans une police sans nom, comme un logiciel les fait quand la police ne peut pas être incorporée. Installez la police pour que le logiciel puisse l&apos;incorporer, ou imprimez depuis un logiciel qui l&apos;incorpore.</translation>
    </message>
    <message>
        <source>The MICR line is drawn as shapes, not as text: the text was converted to curves. Print it as text (turn off &quot;convert text to paths&quot; or &quot;no output fonts&quot;).</source>
        <translation>La ligne MICR est dessinée en formes, non en texte&#xa0;: le texte a été converti en courbes. Imprimez-la en texte (désactivez «&#xa0;convertir le texte en tracés&#xa0;» ou «&#xa0;no output fonts&#xa0;»).</translation>
    </message>
    <message>
        <source>Page %1 of %2 read (choose another with --page).</source>
        <translation>Page %1 de %2 lue (choisissez-en une autre avec --page).</translation>
    </message>
    <message>
        <source>Its characters stand %1 in apart (the standard&apos;s pitch is %2 in): each is read in the position nearest its cell.</source>
        <translation>Ses caractères sont à %1&#xa0;po l&apos;un de l&apos;autre (le pas de la norme est de %2&#xa0;po)&#xa0;: chacun est lu à la position la plus proche de sa cellule.</translation>
    </message>
    <message>
        <source>%1 has no page %3: it has %2</source>
        <translation>%1 n&apos;a pas de page %3&#xa0;: il en a %2</translation>
    </message>
    <message>
        <source>%1 could not be read: its page or text is sized beyond any paper, so it is damaged</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: sa page ou son texte dépasse tout format de papier, il est donc endommagé</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader program, micr-calibration-reader, is not installed</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: le programme de lecture, micr-calibration-reader, n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 could not be read: reading it stopped the reader, so it is damaged or hostile</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: sa lecture a arrêté le programme de lecture, il est donc endommagé ou malveillant</translation>
    </message>
    <message>
        <source>%1 could not be read: it needs more than %2 MB of memory</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: il demande plus de %2&#xa0;Mo de mémoire</translation>
    </message>
    <message>
        <source>%1 could not be read: it was still being read after %2 s</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: sa lecture n&apos;était pas finie après %2&#xa0;s</translation>
    </message>
    <message>
        <source>Readings from the scan (%1 dpi): bar %2, right %3, bottom %4 (from the printed rule), top %5</source>
        <translation>Mesures de la numérisation (%1&#xa0;ppp)&#xa0;: barre %2, droite %3, bas %4 (depuis le filet imprimé), haut %5</translation>
    </message>
    <message>
        <source>, vertical bar %1</source>
        <translation>, barre verticale %1</translation>
    </message>
    <message>
        <source>the scan cannot be read: %1</source>
        <translation>la numérisation ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>the scan is too large to measure (%1 pixels); scan at 600 dpi</source>
        <translation>la numérisation est trop grande pour être mesurée (%1 pixels)&#xa0;; numérisez à 600&#xa0;ppp</translation>
    </message>
    <message>
        <source>the scan does not say its resolution; give it with --dpi (at least %1 dpi, 600 dpi is best)</source>
        <translation>la numérisation ne dit pas sa résolution&#xa0;; donnez-la avec --dpi (au moins %1&#xa0;ppp, 600&#xa0;ppp de préférence)</translation>
    </message>
    <message>
        <source>the scan&apos;s %1 dpi is too coarse for the tolerances: scan at %2 dpi or more (600 dpi is best)</source>
        <translation>les %1&#xa0;ppp de la numérisation sont trop grossiers pour les tolérances&#xa0;: numérisez à %2&#xa0;ppp ou plus (600&#xa0;ppp de préférence)</translation>
    </message>
    <message>
        <source>the scan is blank: nothing was scanned</source>
        <translation>la numérisation est vide&#xa0;: rien n&apos;a été numérisé</translation>
    </message>
    <message>
        <source>the paper&apos;s four edges do not show in the scan: scan the sheet whole, with a dark sheet behind it</source>
        <translation>les quatre bords du papier ne paraissent pas sur la numérisation&#xa0;: numérisez la feuille entière, une feuille sombre derrière</translation>
    </message>
    <message>
        <source>the sheet lies sideways in the scan: scan it upright</source>
        <translation>la feuille est couchée sur la numérisation&#xa0;: numérisez-la droite</translation>
    </message>
    <message>
        <source>the page is upside down in the scan: turn it round and scan it again</source>
        <translation>la page est à l&apos;envers sur la numérisation&#xa0;: tournez-la et numérisez-la de nouveau</translation>
    </message>
    <message>
        <source>this is not the page asked for: its marks are not where that page puts them (check --cheque, --paper and --line)</source>
        <translation>ce n&apos;est pas la page demandée&#xa0;: ses repères ne sont pas là où cette page les met (vérifiez --cheque, --paper et --line)</translation>
    </message>
    <message>
        <source>no MICR line in the check&apos;s clear band (check --cheque and --paper)</source>
        <translation>aucune ligne MICR dans la bande libre du chèque (vérifiez --cheque et --paper)</translation>
    </message>
    <message>
        <source>the scan could not be measured: %1</source>
        <translation>la numérisation n&apos;a pas pu être mesurée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Scan: %1 dpi, the sheet %2 x %3 in, turned %4 degrees on the glass</source>
        <translation>Numérisation&#xa0;: %1&#xa0;ppp, la feuille %2&#xa0;x&#xa0;%3&#xa0;po, tournée de %4&#xa0;degrés sur la vitre</translation>
    </message>
    <message>
        <source>MICR line read: %1</source>
        <translation>Ligne MICR lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last character&apos;s right end: %1 from the check&apos;s right edge; baseline %2 above its bottom edge</source>
        <translation>Bord droit du dernier caractère&#xa0;: %1 du bord droit du chèque&#xa0;; ligne de base %2 au-dessus de son bord inférieur</translation>
    </message>
    <message>
        <source>Move the line: %1</source>
        <translation>Déplacez la ligne&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pitch: %1 in (0.125 in nominal)</source>
        <translation>Pas&#xa0;: %1&#xa0;po (0,125&#xa0;po nominal)</translation>
    </message>
    <message>
        <source>Bar width: %1 in (0.013 in nominal)</source>
        <translation>Largeur des barres&#xa0;: %1&#xa0;po (0,013&#xa0;po nominal)</translation>
    </message>
    <message>
        <source>Skew: %1 degrees</source>
        <translation>Inclinaison&#xa0;: %1&#xa0;degrés</translation>
    </message>
    <message>
        <source>Clear band: %1 marks, %2 of them small spots counted</source>
        <translation>Bande libre&#xa0;: %1 repères, dont %2 petites taches comptées</translation>
    </message>
    <message>
        <source>Fault %1 at position %2: %3</source>
        <translation>Défaut %1 en position %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Within tolerance.</source>
        <translation>Dans les tolérances.</translation>
    </message>
    <message>
        <source>Not within tolerance.</source>
        <translation>Hors des tolérances.</translation>
    </message>
    <message>
        <source>The MICR line is in %1, but the file keeps no characters for its glyphs (as pdftops and Ghostscript&apos;s ps2write write PostScript), so where each character lands cannot be read. Check the PDF the program prints instead.</source>
        <translation>La ligne MICR est en %1, mais le fichier ne garde aucun caractère pour ses glyphes (comme pdftops et ps2write de Ghostscript écrivent le PostScript)&#xa0;: où tombe chaque caractère ne peut donc pas être lu. Vérifiez plutôt le PDF que le logiciel imprime.</translation>
    </message>
    <message>
        <source>the PDF has %1 pages, and a scan is one page: save each scanned page in a file of its own</source>
        <translation>le PDF a %1&#xa0;pages, et une numérisation est d&apos;une seule page&#xa0;: enregistrez chaque page numérisée dans un fichier à part</translation>
    </message>
    <message>
        <source>the PDF&apos;s page holds no image, so it is no scan: save the scan as PNG, TIFF, JPEG or a PDF of one image</source>
        <translation>la page du PDF ne contient aucune image, ce n&apos;est donc pas une numérisation&#xa0;: enregistrez la numérisation en PNG, TIFF, JPEG ou en PDF d&apos;une seule image</translation>
    </message>
    <message>
        <source>the PDF&apos;s page holds %1 images, and a scan is one: save the scan as PNG, TIFF, JPEG or a PDF of one image</source>
        <translation>la page du PDF contient %1&#xa0;images, et une numérisation n&apos;en a qu&apos;une&#xa0;: enregistrez la numérisation en PNG, TIFF, JPEG ou en PDF d&apos;une seule image</translation>
    </message>
    <message>
        <source>line %1 %2 in +/- %3</source>
        <translation>ligne %1&#xa0;: %2&#xa0;po +/- %3</translation>
    </message>
    <message>
        <source>Lengths from the scan (%1 dpi, scaled by line %2&apos;s ruler reading): %3</source>
        <translation>Longueurs de la numérisation (%1&#xa0;ppp, mises à l&apos;échelle par la mesure à la règle de la ligne %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Lengths from the scan (%1 dpi, at the scan&apos;s resolution, known to %2 %): %3</source>
        <translation>Longueurs de la numérisation (%1&#xa0;ppp, à la résolution de la numérisation, connue à %2&#xa0;% près)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Line %1 cannot be decided from the scan: within its uncertainty it is %2 or %3.</source>
        <translation>La ligne %1 ne peut pas être tranchée d&apos;après la numérisation&#xa0;: dans son incertitude, son verdict est %2 ou %3.</translation>
    </message>
    <message>
        <source>The answer cannot be decided from the scan alone: the scanner&apos;s scale may be off by %1 %. Measure one line with a ruler to set the scale.</source>
        <translation>La réponse ne peut pas être tranchée d&apos;après la numérisation seule&#xa0;: l&apos;échelle du numériseur peut s&apos;écarter de %1&#xa0;%. Mesurez une ligne à la règle pour fixer l&apos;échelle.</translation>
    </message>
    <message>
        <source>only %1 of the five sample lines were found on the scan: each line&apos;s two marks must show, 7 in apart; scan the whole page again</source>
        <translation>seulement %1 des cinq lignes d&apos;exemple ont été trouvées sur la numérisation&#xa0;: les deux repères de chaque ligne doivent paraître, à 7&#xa0;po l&apos;un de l&apos;autre&#xa0;; numérisez de nouveau la page entière</translation>
    </message>
    <message>
        <source>no sample line&apos;s marks were found on the scan: this is not the calibration page, or it was printed without the MICR faces (see the fonts command)</source>
        <translation>aucun repère de ligne d&apos;exemple n&apos;a été trouvé sur la numérisation&#xa0;: ce n&apos;est pas la page d&apos;étalonnage, ou elle a été imprimée sans les polices MICR (voir la commande fonts)</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; scales the pages it is sent by itself (its print-scaling setting is &quot;%2&quot;), so this page would not print at its own size and could not be measured.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» met elle-même à l&apos;échelle les pages qu&apos;elle reçoit (son réglage print-scaling est «&#xa0;%2&#xa0;»)&#xa0;: cette page ne s&apos;imprimerait pas à sa taille et ne pourrait pas être mesurée.</translation>
    </message>
    <message>
        <source>Open the printer&apos;s web page, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</source>
        <translation>Ouvrez la page Web de l&apos;imprimante, mettez son réglage print-scaling («&#xa0;Mise à l&apos;échelle&#xa0;» ou «&#xa0;Ajuster à la page&#xa0;» sur certaines imprimantes) à «&#xa0;none&#xa0;», puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>Open the printer&apos;s web page, %1, set its print-scaling setting (&quot;Scaling&quot; or &quot;Fit to page&quot; on some printers) to &quot;none&quot;, then print again.</source>
        <translation>Ouvrez la page Web de l&apos;imprimante, %1, mettez son réglage print-scaling («&#xa0;Mise à l&apos;échelle&#xa0;» ou «&#xa0;Ajuster à la page&#xa0;» sur certaines imprimantes) à «&#xa0;none&#xa0;», puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>the PDF is encrypted</source>
        <translation>le PDF est chiffré</translation>
    </message>
    <message>
        <source>not a PDF that can be read</source>
        <translation>ce n&apos;est pas un PDF lisible</translation>
    </message>
    <message>
        <source>its page cannot be read</source>
        <translation>sa page ne peut pas être lue</translation>
    </message>
    <message>
        <source>a PDF scan is read with pdfimages, which is not installed (poppler-utils)</source>
        <translation>une numérisation en PDF se lit avec pdfimages, qui n&apos;est pas installé (poppler-utils)</translation>
    </message>
    <message>
        <source>pdfimages did not finish</source>
        <translation>pdfimages n&apos;a pas terminé</translation>
    </message>
    <message>
        <source>its page has no size</source>
        <translation>sa page n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not an image this program reads (PNG, TIFF, JPEG)</source>
        <translation>ce n&apos;est pas une image que ce programme lit (PNG, TIFF, JPEG)</translation>
    </message>
    <message>
        <source>the image is damaged or cut short</source>
        <translation>l&apos;image est endommagée ou tronquée</translation>
    </message>
</context>
</TS>
