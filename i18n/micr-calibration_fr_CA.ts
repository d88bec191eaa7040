<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
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
        <translation>3 par feuille sur Lettre, 3,5 po par chèque</translation>
    </message>
    <message>
        <source>3-up on A4, 99 mm a check</source>
        <translation>3 par feuille sur A4, 99 mm par chèque</translation>
    </message>
    <message>
        <source>3-up, %1 in (%2 mm) a check</source>
        <translation>3 par feuille, %1 po (%2 mm) par chèque</translation>
    </message>
    <message>
        <source>%1 in (%2 mm)</source>
        <translation>%1 po (%2 mm)</translation>
    </message>
    <message>
        <source>good (within %1 in)</source>
        <translation>bon (à %1 po près)</translation>
    </message>
    <message>
        <source>marginal (within %1 in: check with a MICR gauge)</source>
        <translation>limite (à %1 po près : vérifiez avec une jauge MICR)</translation>
    </message>
    <message>
        <source>out of tolerance (more than %1 in from 7 in)</source>
        <translation>hors tolérance (à plus de %1 po de 7 po)</translation>
    </message>
    <message>
        <source>no readings</source>
        <translation>aucune mesure</translation>
    </message>
    <message>
        <source>readings inconsistent: measure again</source>
        <translation>mesures incohérentes : mesurez de nouveau</translation>
    </message>
    <message>
        <source>page printed scaled: print it at 100 %</source>
        <translation>page imprimée à l&apos;échelle : imprimez-la à 100 %</translation>
    </message>
    <message>
        <source>out of tolerance: the printer falls between two faces</source>
        <translation>hors tolérance : l&apos;imprimante tombe entre deux polices</translation>
    </message>
    <message>
        <source>Line %1 (%2) is %3</source>
        <translation>la ligne %1 (%2) est à %3</translation>
    </message>
    <message>
        <source>This printer falls between two faces: %1. Neither is within tolerance.</source>
        <translation>Cette imprimante tombe entre deux polices : %1. Aucune n&apos;est dans la tolérance.</translation>
    </message>
    <message>
        <source>Line %1 was not measured.</source>
        <translation>La ligne %1 n&apos;a pas été mesurée.</translation>
    </message>
    <message>
        <source>Not calibrated: %1.</source>
        <translation>Non étalonné : %1.</translation>
    </message>
    <message>
        <source>Line %1 should print %2 in, %3 in from 7 in</source>
        <translation>La ligne %1 devrait mesurer %2 po, à %3 po de 7 po</translation>
    </message>
    <message>
        <source>Line %1 measured %2 in, %3 in from 7 in</source>
        <translation>La ligne %1 mesure %2 po, à %3 po de 7 po</translation>
    </message>
    <message>
        <source>%1: good.</source>
        <translation>%1 : bon.</translation>
    </message>
    <message>
        <source>%1: marginal, check with a MICR gauge.</source>
        <translation>%1 : limite, vérifiez avec une jauge MICR.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance. Choose Line %2 on step 2.</source>
        <translation>Non étalonné : %1, hors tolérance. Choisissez la ligne %2 à l&apos;étape 2.</translation>
    </message>
    <message>
        <source>Not calibrated: %1, out of tolerance.</source>
        <translation>Non étalonné : %1, hors tolérance.</translation>
    </message>
    <message>
        <source>Type the length of at least one sample line.</source>
        <translation>Tapez la longueur d&apos;au moins une ligne d&apos;essai.</translation>
    </message>
    <message>
        <source>The readings do not agree with each other: one printer scales every line alike, but some reading is more than %1 in from what the others predict. Measure the lines again, from the left edge of the first mark to the left edge of the last.</source>
        <translation>Les mesures ne concordent pas : une imprimante met toutes les lignes à la même échelle, mais une mesure s&apos;écarte de plus de %1 po de ce que prédisent les autres. Mesurez de nouveau les lignes, du bord gauche du premier signe au bord gauche du dernier.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is longer than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>La page a sans doute été imprimée à l&apos;échelle, à environ %1 % : chaque ligne est plus longue qu&apos;aucune police MICR ne pourrait la faire. Imprimez de nouveau la page d&apos;étalonnage à 100 %, sans « ajuster à la page » ni « réduire pour ajuster », avant de choisir une police.</translation>
    </message>
    <message>
        <source>The page was probably printed scaled, at about %1 %: every line is shorter than any MICR face could make it. Print the calibration page again at 100 %, with no &quot;fit to page&quot; or &quot;shrink to fit&quot;, before choosing a face.</source>
        <translation>La page a sans doute été imprimée à l&apos;échelle, à environ %1 % : chaque ligne est plus courte qu&apos;aucune police MICR ne pourrait la faire. Imprimez de nouveau la page d&apos;étalonnage à 100 %, sans « ajuster à la page » ni « réduire pour ajuster », avant de choisir une police.</translation>
    </message>
    <message>
        <source>Line %1 was not measured: its length is predicted from the others. Measure it to confirm.</source>
        <translation>La ligne %1 n&apos;a pas été mesurée : sa longueur est prédite d&apos;après les autres. Mesurez-la pour confirmer.</translation>
    </message>
    <message>
        <source>Print a test check and check its MICR line with a MICR gauge.</source>
        <translation>Imprimez un chèque d&apos;essai et vérifiez sa ligne MICR avec une jauge MICR.</translation>
    </message>
    <message>
        <source>right or left %1 in (%2 mm, %3/1000 in)</source>
        <translation>de %1 po (%2 mm, %3/1000 po) vers la droite ou la gauche</translation>
    </message>
    <message>
        <source>right %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers la droite de %1 po (%2 mm, %3/1000 po)</translation>
    </message>
    <message>
        <source>left %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers la gauche de %1 po (%2 mm, %3/1000 po)</translation>
    </message>
    <message>
        <source>up or down %1 in (%2 mm, %3/1000 in)</source>
        <translation>de %1 po (%2 mm, %3/1000 po) vers le haut ou le bas</translation>
    </message>
    <message>
        <source>up %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers le haut de %1 po (%2 mm, %3/1000 po)</translation>
    </message>
    <message>
        <source>down %1 in (%2 mm, %3/1000 in)</source>
        <translation>vers le bas de %1 po (%2 mm, %3/1000 po)</translation>
    </message>
    <message>
        <source>right or left %1 in</source>
        <translation>de %1 po vers la droite ou la gauche</translation>
    </message>
    <message>
        <source>right %1 in</source>
        <translation>vers la droite de %1 po</translation>
    </message>
    <message>
        <source>left %1 in</source>
        <translation>vers la gauche de %1 po</translation>
    </message>
    <message>
        <source>up or down %1 in</source>
        <translation>de %1 po vers le haut ou le bas</translation>
    </message>
    <message>
        <source>up %1 in</source>
        <translation>vers le haut de %1 po</translation>
    </message>
    <message>
        <source>down %1 in</source>
        <translation>vers le bas de %1 po</translation>
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
        <translation>Échelle horizontale de la page : %1 % (la barre mesure %2 po).</translation>
    </message>
    <message>
        <source>%1, prints the MICR line %2 in long</source>
        <translation>%1, imprime la ligne MICR sur %2 po</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1, n&apos;est pas installée</translation>
    </message>
    <message>
        <source>%1 At this scale %2: fine, the face makes up for the printer&apos;s scale.</source>
        <translation>%1 À cette échelle, %2 : bien, la police compense l&apos;échelle de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in.</source>
        <translation>%1 À cette échelle, %2 : hors tolérance. %3, l&apos;imprimerait à %4 po près de 7 po.</translation>
    </message>
    <message>
        <source>%1 At this scale %2: out of tolerance, and no face prints it within %3 in of 7 in. %4</source>
        <translation>%1 À cette échelle, %2 : hors tolérance, et aucune police ne l&apos;imprime à %3 po près de 7 po. %4</translation>
    </message>
    <message>
        <source>%1 No face prints the MICR line within %2 in of 7 in at this scale, nor comes near: the page was scaled on its way to the printer.</source>
        <translation>%1 À cette échelle, aucune police n&apos;imprime la ligne MICR à %2 po près de 7 po, ni n&apos;en approche : la page a été mise à l&apos;échelle en route vers l&apos;imprimante.</translation>
    </message>
    <message>
        <source>No correction from these readings: the page&apos;s scales across and down differ by more than %1 %, which no printer does, so a bar was misread. Measure the reference bar (%2 in) and the vertical bar (%3 in) again, each from its first tick to its last.</source>
        <translation>Aucune correction d&apos;après ces mesures : les échelles horizontale et verticale de la page diffèrent de plus de %1 %, ce qu&apos;aucune imprimante ne fait; une barre a donc été mal lue. Mesurez de nouveau la barre de référence (%2 po) et la barre verticale (%3 po), chacune de son premier trait à son dernier.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline lies on the %1 check, but the page was printed for the %2 check. Choose the check the page was printed for, or measure again from the paper&apos;s top edge down to the baseline rule under the MICR line of the %2 check.</source>
        <translation>Aucune correction d&apos;après ces mesures : la ligne de base est sur le chèque du %1, mais la page a été imprimée pour le chèque du %2. Choisissez le chèque pour lequel la page a été imprimée, ou mesurez de nouveau du bord supérieur du papier jusqu&apos;au trait de base sous la ligne MICR du chèque du %2.</translation>
    </message>
    <message>
        <source>No correction from these readings: the baseline is %1 in above the %2 check&apos;s bottom edge, more than 1/2 in outside its MICR print band (%3 to %4 in). Measure again, from the check&apos;s bottom edge up to the baseline rule under the MICR line, or from the paper&apos;s top edge down to it.</source>
        <translation>Aucune correction d&apos;après ces mesures : la ligne de base est à %1 po au-dessus du bord inférieur du chèque du %2, à plus de 1/2 po hors de sa bande d&apos;impression MICR (%3 à %4 po). Mesurez de nouveau, du bord inférieur du chèque jusqu&apos;au trait de base sous la ligne MICR, ou du bord supérieur du papier jusqu&apos;à ce trait.</translation>
    </message>
    <message>
        <source>Page scale down: %1 % (the vertical bar is %2 in).</source>
        <translation>Échelle verticale de la page : %1 % (la barre verticale mesure %2 po).</translation>
    </message>
    <message>
        <source>Page scale down: not measured, taken as 100 %.</source>
        <translation>Échelle verticale de la page : non mesurée, prise à 100 %.</translation>
    </message>
    <message>
        <source>This page carries the correction %1.</source>
        <translation>Cette page porte la correction %1.</translation>
    </message>
    <message>
        <source>No correction from a scaled page: print it at 100 %, with no &quot;fit to page&quot;, then measure the page again.</source>
        <translation>Aucune correction d&apos;une page mise à l&apos;échelle : imprimez-la à 100 %, sans « ajuster à la page », puis mesurez-la de nouveau.</translation>
    </message>
    <message>
        <source>On the %1 check (%2), position 1 ends %3 in from the check&apos;s right edge (the standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).</source>
        <translation>Sur le chèque du %1 (%2), la position 1 finit à %3 po du bord droit du chèque (la norme la met à %4 po) et la ligne de base est à %5 po au-dessus de son bord inférieur (%6 po).</translation>
    </message>
    <message>
        <source>Correction for your check-printing software: move the MICR line %1.</source>
        <translation>Correction pour votre logiciel d&apos;impression de chèques : déplacez la ligne MICR %1.</translation>
    </message>
    <message>
        <source>Still to move from the page&apos;s correction: %1.</source>
        <translation>Reste à déplacer depuis la correction de la page : %1.</translation>
    </message>
    <message>
        <source>Total correction for your check-printing software, in place of the page&apos;s: move the MICR line %1.</source>
        <translation>Correction totale pour votre logiciel d&apos;impression de chèques, au lieu de celle de la page : déplacez la ligne MICR %1.</translation>
    </message>
    <message>
        <source>Both moves are within 1/32 in: the placement is fine.</source>
        <translation>Les deux déplacements sont inférieurs à 1/32 po : le placement est bon.</translation>
    </message>
    <message>
        <source>A move is more than 1/32 in: print the page again with the total correction, then measure it again.</source>
        <translation>Un déplacement dépasse 1/32 po : imprimez de nouveau la page avec la correction totale, puis mesurez-la de nouveau.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again and measure it.</source>
        <translation>Pas encore placé : choisissez la ligne %1 à l&apos;étape 2, puis imprimez de nouveau la page et mesurez-la.</translation>
    </message>
    <message>
        <source>Not placed yet: choose Line %1 on step 2, then print the page again with the total correction and measure it.</source>
        <translation>Pas encore placé : choisissez la ligne %1 à l&apos;étape 2, puis imprimez de nouveau la page avec la correction totale et mesurez-la.</translation>
    </message>
    <message>
        <source>Not calibrated: no face makes up for this printer&apos;s scale, so its MICR line is out of tolerance wherever it is placed.</source>
        <translation>Non étalonné : aucune police ne compense l&apos;échelle de cette imprimante; sa ligne MICR est donc hors tolérance où qu&apos;elle soit placée.</translation>
    </message>
    <message>
        <source>printer &quot;%1&quot;: the value %2 (&quot;%3&quot;) is out of range and was dropped</source>
        <translation>imprimante « %1 » : la valeur %2 (« %3 ») est hors limites et a été retirée</translation>
    </message>
    <message>
        <source>an entry that names no printer was cut short or is not this program&apos;s, and was left out</source>
        <translation>une entrée qui ne nomme aucune imprimante était tronquée ou ne vient pas de ce programme, et a été écartée</translation>
    </message>
    <message>
        <source>the profile of printer &quot;%1&quot; was cut short or is not this program&apos;s, and was left out</source>
        <translation>le profil de l&apos;imprimante « %1 » était tronqué ou ne vient pas de ce programme, et a été écarté</translation>
    </message>
    <message>
        <source>a line that is not a setting was left out</source>
        <translation>une ligne qui n&apos;est pas un réglage a été écartée</translation>
    </message>
    <message>
        <source>it has no version: it is not a settings file this program wrote</source>
        <translation>il n&apos;a pas de version : ce n&apos;est pas un fichier de réglages écrit par ce programme</translation>
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
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables : %2. Le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2. The file was set aside as %3; the program starts with no printer profiles.</source>
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables : %2. Le fichier a été mis de côté sous %3; le programme démarre sans profil d&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 cannot be used: %2, and it could not be moved aside. The program goes on without printer profiles.</source>
        <translation>Les profils d&apos;imprimante de %1 sont inutilisables : %2, et le fichier n&apos;a pas pu être mis de côté. Le programme continue sans profil d&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printer profiles in %1 are damaged: %2. The rest can be read; the file was left as it is.</source>
        <translation>Les profils d&apos;imprimante de %1 sont endommagés : %2. Le reste est lisible; le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file as it was is kept as %3.</source>
        <translation>Dans les profils d&apos;imprimante de %1 : %2. Les autres imprimantes et valeurs ont été gardées; le fichier d&apos;origine est conservé sous %3.</translation>
    </message>
    <message>
        <source>In the printer profiles in %1, %2. The other printers and values were kept; the file was left as it is, as it could not be copied aside.</source>
        <translation>Dans les profils d&apos;imprimante de %1 : %2. Les autres imprimantes et valeurs ont été gardées; le fichier a été laissé tel quel, faute d&apos;avoir pu être copié à côté.</translation>
    </message>
</context>
</TS>
