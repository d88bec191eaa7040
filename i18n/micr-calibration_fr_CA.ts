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
        <translation>Cette page de calibrage vous aide à choisir la police MICR qui convient à votre imprimante et à votre système.</translation>
    </message>
    <message>
        <source>this page is cool, measure the length of each of the five sample MICR lines below using the marks below each</source>
        <translation>Une fois la page refroidie, mesurez les cinq lignes MICR d&apos;essai ci-dessous d&apos;après les marques sous chaque</translation>
    </message>
    <message>
        <source>MICR line. Select the line that is closest to 7 inches and enter that line number into the calibration program. This</source>
        <translation>ligne. Choisissez la ligne la plus proche de 7 pouces et tapez son numéro dans le programme de calibrage,</translation>
    </message>
    <message>
        <source>will display the name of the MICR font to use on your system. If your printer shows two lines of the same length,</source>
        <translation>qui affichera le nom de la police MICR à utiliser. Si deux lignes ont la même longueur, prenez la plus proche de</translation>
    </message>
    <message>
        <source>pick the line nearest to Line 3. Using a MICR Check Gauge, align the left side of position #62 with the first mark</source>
        <translation>la ligne 3. Avec une jauge MICR, alignez le côté gauche de la position 62 sur la première marque sous chaque</translation>
    </message>
    <message>
        <source>below each MICR line. The last mark below that same MICR line should match the left side of position #6.</source>
        <translation>ligne MICR. La dernière marque sous cette même ligne doit tomber sur le côté gauche de la position 6.</translation>
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
        <translation>Transit,   tapez &quot;A&quot; ou &quot;:&quot; </translation>
    </message>
    <message>
        <source>Amount,   use &quot;B&quot; or &quot;;&quot; </source>
        <translation>Montant,   tapez &quot;B&quot; ou &quot;;&quot; </translation>
    </message>
    <message>
        <source>On-Us,   use &quot;C&quot; or &quot;&lt;&quot; </source>
        <translation>On-us,   tapez &quot;C&quot; ou &quot;&lt;&quot; </translation>
    </message>
    <message>
        <source>Dash,   use &quot;D&quot; or &quot;=&quot; </source>
        <translation>Tiret,   tapez &quot;D&quot; ou &quot;=&quot; </translation>
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
        <translation>Formules&#xa0;: %1. Ligne MICR en %2 (ligne %3) à 10 points.</translation>
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
        <translation>1. barre&#xa0;: la barre de référence, du premier trait au dernier (7,000&#xa0;po); barre verticale&#xa0;: à gauche, du trait du haut au trait du bas (2,000&#xa0;po).</translation>
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
        <translation>4. Tapez les mesures dans la fenêtre de placement du calibrage MICR (étape 3).</translation>
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
</context>
<context>
    <name>TConnect</name>
    <message>
        <source>How to order Tolvane MICR Font Set</source>
        <translation>Comment commander Tolvane MICR Font Set</translation>
    </message>
    <message>
        <source>The boxed MICR Font Set</source>
        <translation>Le MICR Font Set en boîte</translation>
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
        <translation>courriel, télécopieur ou poste. Quitter pour sortir.</translation>
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
        <translation>Une main qui remplit un chèque</translation>
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
        <source>Pick the line on the caibration sheet that is 7 inches long</source>
        <translation>Choisissez la ligne de la page de calibrage qui mesure 7 pouces</translation>
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
        <translation>Tapez les longueurs mesurées sur la page de calibrage&#xa0;: le programme choisit la ligne et dit de combien elle s&apos;approche de 7 pouces</translation>
    </message>
    <message>
        <source>Enter &amp;Measurements...</source>
        <translation>Saisir les &amp;mesures...</translation>
    </message>
    <message>
        <source>Print a page that shows where the MICR line lands on your cheques, and work out the offsets for your cheque-printing software</source>
        <translation>Imprimer une page qui montre où la ligne MICR tombe sur vos chèques, et calculer les décalages pour votre logiciel d&apos;impression de chèques</translation>
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
        <translation>Sui&amp;te</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>lettres et télécopies! Le bon de commande est ci-dessous.</translation>
    </message>
    <message>
        <source>Display a pdf order form, ready to print</source>
        <translation>Afficher un bon de commande PDF, prêt à imprimer</translation>
    </message>
    <message>
        <source>&amp;Order Form</source>
        <translation>&amp;Formulaire</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Revenir au programme de calibrage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sortir</translation>
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
        <translation>Calibrage de polices MICR</translation>
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
        <translation>&amp;Formulaire</translation>
    </message>
    <message>
        <source>&amp;Buy Now</source>
        <translation>A&amp;cheter</translation>
    </message>
    <message>
        <source>Return back to the calibration program</source>
        <translation>Revenir au programme de calibrage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sortir</translation>
    </message>
</context>
<context>
    <name>TMeasurements</name>
    <message>
        <source>Measured Lengths</source>
        <translation>Longueurs mesurées</translation>
    </message>
    <message>
        <source>Measure each sample line of the calibration page from the left edge of its first mark to the left edge of its last mark, and type what you read, in inches (7.06, 7 1/16) or millimetres (179.3 mm). One line is enough; more lines make the answer surer.</source>
        <translation>Mesurez chaque ligne d&apos;essai de la page de calibrage, du bord gauche de sa première marque au bord gauche de sa dernière, et tapez ce que vous lisez, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm). Une ligne suffit; plus de lignes rendent la réponse plus sûre.</translation>
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
        <source>The length of line 1 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 1 de marque à marque, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm); laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
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
        <source>The length of line 2 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 2 de marque à marque, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm); laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
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
        <source>The length of line 3 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 3 de marque à marque, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm); laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
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
        <source>The length of line 4 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 4 de marque à marque, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm); laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
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
        <source>The length of line 5 from mark to mark, in inches (7.06, 7 1/16) or millimetres (179.3 mm); leave it empty if you did not measure it</source>
        <translation>La longueur de la ligne 5 de marque à marque, en pouces (7,06 ou 7&#xa0;1/16) ou en millimètres (179,3&#xa0;mm); laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Measured length of line 5</source>
        <translation>Longueur mesurée de la ligne 5</translation>
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
        <translation>Tapez les données de votre banque telles qu&apos;elles figurent sur un chèque imprimé par la banque. La ligne est disposée selon les positions de la norme et vérifiée pendant la saisie; comparez-la au chèque de la banque. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposition&#xa0;:</translation>
    </message>
    <message>
        <source>The country whose layout the bank&apos;s cheques follow</source>
        <translation>Le pays dont les chèques de la banque suivent la disposition</translation>
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
        <translation>Le numéro d&apos;acheminement de la banque, à 9 chiffres, entre les symboles de transit de ses chèques</translation>
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
        <translation>N° de &amp;succursale&#xa0;:</translation>
    </message>
    <message>
        <source>The 5-digit branch (transit) number, before the dash symbol on the bank&apos;s cheques</source>
        <translation>Le numéro de succursale (transit) à 5 chiffres, avant le symbole de tiret sur les chèques de la banque</translation>
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
        <translation>N° d&apos;&amp;institution&#xa0;:</translation>
    </message>
    <message>
        <source>The 3-digit institution number, after the dash symbol on the bank&apos;s cheques</source>
        <translation>Le numéro d&apos;institution à 3 chiffres, après le symbole de tiret sur les chèques de la banque</translation>
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
        <translation>Le champ on-us tel que la banque l&apos;imprime&#xa0;: le numéro de compte, le symbole on-us (C ou &lt;) et, pour les chèques personnels, le numéro du chèque</translation>
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
        <translation>Chèques d&apos;entreprise&#xa0;: le numéro de série entre symboles on-us, à gauche du champ de transit; sinon, laissez-le vide</translation>
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
        <translation>&amp;Largeur du chèque&#xa0;:</translation>
    </message>
    <message>
        <source>The cheque&apos;s width, for where the line&apos;s left end goes</source>
        <translation>La largeur du chèque, pour placer l&apos;extrémité gauche de la ligne</translation>
    </message>
    <message>
        <source>Cheque width</source>
        <translation>Largeur du chèque</translation>
    </message>
    <message>
        <source>8.5 in</source>
        <translation>8,5 in</translation>
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
        <source>No faults: every field stands in its positions.</source>
        <translation>Aucune erreur&#xa0;: chaque champ occupe ses positions.</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has a fault. Print the placement page with it all the same?</source>
        <translation>Une banque refuserait cette ligne&#xa0;: elle a une erreur. Imprimer quand même la page de placement avec elle?</translation>
    </message>
    <message>
        <source>A bank would reject this line: it has %1 faults. Print the placement page with it all the same?</source>
        <translation>Une banque refuserait cette ligne&#xa0;: elle a %1 erreurs. Imprimer quand même la page de placement avec elle?</translation>
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
        <translation>Imprimez la page de placement sur vos formules de chèques, ou sur du papier ordinaire, et mesurez à la règle où tombe sa ligne MICR, depuis les bords que la page nomme. Tapez ce que vous lisez&#xa0;: le programme dit si la police choisie compense l&apos;échelle de l&apos;imprimante et de combien déplacer la ligne MICR dans votre logiciel d&apos;impression de chèques. F1 ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>Cheque on the &amp;sheet:</source>
        <translation>Chèque sur la &amp;feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Which cheque of 3-up stock the page is laid out for</source>
        <translation>Le chèque de la feuille de 3 pour lequel la page est disposée</translation>
    </message>
    <message>
        <source>Cheque on the sheet</source>
        <translation>Chèque sur la feuille</translation>
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
        <translation>Choisir une imprimante et imprimer la page de placement pour ce chèque et ces formules, dans la police de la ligne choisie à l&apos;étape 2</translation>
    </message>
    <message>
        <source>&amp;Print Placement Page</source>
        <translation>&amp;Imprimer la page de placement</translation>
    </message>
    <message>
        <source>Cheque s&amp;tock:</source>
        <translation>F&amp;ormules de chèques&#xa0;:</translation>
    </message>
    <message>
        <source>The cheque stock: three cheques to a sheet, stacked from the paper&apos;s top edge</source>
        <translation>Les formules de chèques&#xa0;: trois chèques par feuille, empilés depuis le bord supérieur du papier</translation>
    </message>
    <message>
        <source>Cheque stock</source>
        <translation>Formules de chèques</translation>
    </message>
    <message>
        <source>3-up on Letter, 3.5 in a cheque</source>
        <translation>3 par feuille Lettre, chèques de 3,5 po</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a cheque</source>
        <translation>3 par feuille A4, chèques de 99 mm</translation>
    </message>
    <message>
        <source>The height of one cheque of your stock, from its top edge to its perforation</source>
        <translation>La hauteur d&apos;un chèque de vos formules, de son bord supérieur à sa perforation</translation>
    </message>
    <message>
        <source>Height of one cheque</source>
        <translation>Hauteur d&apos;un chèque</translation>
    </message>
    <message>
        <source>3.667 in</source>
        <translation>3,667 in</translation>
    </message>
    <message>
        <source>Reference &amp;bar, first tick to last:</source>
        <translation>&amp;Barre de référence, 1er trait au dernier&#xa0;:</translation>
    </message>
    <message>
        <source>The length of the reference bar from its first tick to its last, in inches (7.000, 7 1/64) or millimetres (177.8 mm)</source>
        <translation>La longueur de la barre de référence, de son premier trait au dernier, en pouces (7,000 ou 7&#xa0;1/64) ou en millimètres (177,8&#xa0;mm)</translation>
    </message>
    <message>
        <source>Length of the reference bar</source>
        <translation>Longueur de la barre de référence</translation>
    </message>
    <message>
        <source>7.000 in</source>
        <translation>7,000 in</translation>
    </message>
    <message>
        <source>&amp;Vertical bar, top tick to bottom:</source>
        <translation>Barre &amp;verticale, trait du haut au bas&#xa0;:</translation>
    </message>
    <message>
        <source>The length of the vertical bar at the left, from its top tick to its bottom tick; leave it empty if you did not measure it</source>
        <translation>La longueur de la barre verticale à gauche, de son trait du haut à celui du bas; laissez-la vide si vous ne l&apos;avez pas mesurée</translation>
    </message>
    <message>
        <source>Length of the vertical bar</source>
        <translation>Longueur de la barre verticale</translation>
    </message>
    <message>
        <source>2.000 in, optional</source>
        <translation>2,000 in, facultatif</translation>
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
        <translation>0,313 in</translation>
    </message>
    <message>
        <source>Cheque stock: measure from the cheque&apos;s bottom edge (the perforation) up to the baseline rule. Plain paper: measure from the paper&apos;s top edge down to it</source>
        <translation>Formules de chèques&#xa0;: mesurez du bord inférieur du chèque (la perforation) jusqu&apos;à la ligne de base. Papier ordinaire&#xa0;: mesurez du bord supérieur du papier jusqu&apos;à elle</translation>
    </message>
    <message>
        <source>Baseline measured from</source>
        <translation>Ligne de base mesurée depuis</translation>
    </message>
    <message>
        <source>Cheque&apos;s bottom edge to the baseline:</source>
        <translation>Bord inférieur du chèque à la ligne de base&#xa0;:</translation>
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
        <translation>0,188 in</translation>
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
        <translation>Imprimer de nouveau la page de placement avec la correction totale appliquée, comme votre logiciel d&apos;impression de chèques l&apos;appliquera&#xa0;; puis la mesurer de nouveau pour vérifier la correction</translation>
    </message>
    <message>
        <source>Print the placement page with this correction</source>
        <translation>Imprimer la page de placement avec cette correction</translation>
    </message>
    <message>
        <source>Print With This &amp;Correction</source>
        <translation>Imprimer avec cette &amp;correction</translation>
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
        <translation>Chaque imprimante sur laquelle la page de calibrage a été imprimée, avec la police à y utiliser, son dernier calibrage et la correction pour votre logiciel d&apos;impression de chèques. Recalibrez après un changement de toner ou de formules de chèques.</translation>
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
        <translation>Calibrée</translation>
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
</context>
<context>
    <name>Wording</name>
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
        <translation>La ligne contient «&#xa0;%1&#xa0;», que la police MICR ne peut pas imprimer&#xa0;: elle imprime les chiffres, les espaces et les symboles A, B, C et D (ou&#xa0;: ; &lt; =).</translation>
    </message>
    <message>
        <source>The line needs two transit symbols (A or :), around the routing number, at positions %1 and %2; it has %3.</source>
        <translation>La ligne doit avoir deux symboles de transit (A ou :) autour du numéro d&apos;acheminement, aux positions %1 et %2; elle en a %3.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the on-us field after it takes %5 positions; it has room for %6 (positions %7 to %8).</source>
        <translation>Le champ de transit occupe les positions %1 à %2; sa place est de %3 à %4&#xa0;: le champ on-us qui le suit prend %5 positions; il n&apos;a de place que pour %6 (positions %7 à %8).</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted left, with too many spaces after it.</source>
        <translation>Le champ de transit occupe les positions %1 à %2; sa place est de %3 à %4&#xa0;: la ligne est décalée vers la gauche, avec trop d&apos;espaces après lui.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the bank&apos;s number in it is not as long as it should be.</source>
        <translation>Le champ de transit occupe les positions %1 à %2; sa place est de %3 à %4&#xa0;: le numéro de la banque qu&apos;il contient n&apos;a pas la bonne longueur.</translation>
    </message>
    <message>
        <source>The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted right, short of spaces after it.</source>
        <translation>Le champ de transit occupe les positions %1 à %2; sa place est de %3 à %4&#xa0;: la ligne est décalée vers la droite, faute d&apos;espaces après lui.</translation>
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
        <translation>Le numéro d&apos;acheminement manque&#xa0;: tapez ses %1 chiffres; la ligne l&apos;entoure elle-même des symboles de transit.</translation>
    </message>
    <message>
        <source>The routing number &quot;%1&quot; is not all digits.</source>
        <translation>Le numéro d&apos;acheminement «&#xa0;%1&#xa0;» ne contient pas que des chiffres.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number has %2. A Canadian transit number (%3-digit branch, %4-digit institution) is typed in the Canadian layout: branch number %5, institution number %6.</source>
        <translation>Le numéro d&apos;acheminement a %1 chiffres; il en faut %2. Un numéro de transit canadien (succursale de %3 chiffres, institution de %4 chiffres) se tape dans la disposition canadienne&#xa0;: numéro de succursale %5, numéro d&apos;institution %6.</translation>
    </message>
    <message>
        <source>The routing number has %1 digits; a routing number needs %2.</source>
        <translation>Le numéro d&apos;acheminement a %1 chiffres; il en faut %2.</translation>
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
        <translation>Le champ on-us auxiliaire «&#xa0;%1&#xa0;» n&apos;est pas entre symboles on-us (C ou &lt;)&#xa0;: il commence et finit par l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field ends at position %1; it ends at %2, next to position %3.</source>
        <translation>Le champ on-us auxiliaire se termine à la position %1; il doit se terminer à %2, à côté de la position %3.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>Le champ on-us auxiliaire contient le symbole de montant (B ou ;), qui ne marque que le montant&#xa0;: le symbole on-us est C ou &lt;.</translation>
    </message>
    <message>
        <source>The on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or &lt;.</source>
        <translation>Le champ on-us contient le symbole de montant (B ou ;), qui ne marque que le montant&#xa0;: le symbole on-us est C ou &lt;.</translation>
    </message>
    <message>
        <source>The auxiliary on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>Le champ on-us auxiliaire contient le symbole de transit (A ou :), qui ne marque que le numéro d&apos;acheminement.</translation>
    </message>
    <message>
        <source>The on-us field has the transit symbol (A or :), which marks only the routing number.</source>
        <translation>Le champ on-us contient le symbole de transit (A ou :), qui ne marque que le numéro d&apos;acheminement.</translation>
    </message>
    <message>
        <source>The line runs to position %1; a check has %2.</source>
        <translation>La ligne va jusqu&apos;à la position %1; un chèque en a %2.</translation>
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
        <translation>Les positions %1 à %2, la zone du montant, contiennent «&#xa0;%3&#xa0;»&#xa0;: laissez-les vides, la banque encode le montant quand le chèque est déposé. Si le dernier symbole marque le numéro de compte, c&apos;est le symbole on-us, C ou &lt;.</translation>
    </message>
</context>
</TS>
