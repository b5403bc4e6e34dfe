<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>The balance reports an overload.</source>
        <translation>La balance signale une surcharge.</translation>
    </message>
    <message>
        <source>The balance reports an underload.</source>
        <translation>La balance signale une sous-charge.</translation>
    </message>
    <message>
        <source>The balance is busy and gives no weight.</source>
        <translation>La balance est occupée et ne donne pas de poids.</translation>
    </message>
    <message>
        <source>The balance reports an error (%1).</source>
        <translation>La balance signale une erreur (%1).</translation>
    </message>
    <message>
        <source>The balance weighs in &quot;%1&quot;, which cannot be converted to grams. Set the balance to grams.</source>
        <translation>La balance pèse en « %1 », qui ne peut pas être converti en grammes. Réglez la balance en grammes.</translation>
    </message>
    <message>
        <source>The balance reads %1, beyond the range of a laboratory balance (100 kg).</source>
        <translation>La balance indique %1, hors de la portée d’une balance de laboratoire (100 kg).</translation>
    </message>
    <message>
        <source>The balance&apos;s port could not be opened (%1).</source>
        <translation>Le port de la balance n&apos;a pas pu être ouvert (%1).</translation>
    </message>
</context>
<context>
    <name>CollectedDataRecovery</name>
    <message>
        <source>It was left where it is.</source>
        <translation>Il a été laissé à sa place.</translation>
    </message>
    <message>
        <source>It was moved to %1.</source>
        <translation>Il a été déplacé vers %1.</translation>
    </message>
    <message>
        <source>The recovery journal %1 could not be read (%2). %3</source>
        <translation>Le journal de récupération %1 n&apos;a pas pu être lu (%2). %3</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>The balance reads %1, which no laboratory balance weighs. Data collection will exit.</source>
        <translation>La balance indique %1, ce qu’aucune balance de laboratoire ne pèse. L’acquisition des données va s’arrêter.</translation>
    </message>
    <message>
        <source>The balance reads %1, below zero after its tare. Data collection will exit.</source>
        <translation>La balance indique %1, sous zéro après sa tare. L’acquisition des données va s’arrêter.</translation>
    </message>
    <message>
        <source>A volume of %1 ml does not fit the wine record&apos;s volume field. Data collection will exit.</source>
        <translation>Un volume de %1 ml ne tient pas dans le champ de volume de la fiche du vin. L’acquisition des données va s’arrêter.</translation>
    </message>
</context>
<context>
    <name>CollectionRun</name>
    <message>
        <source>The wine&apos;s notes leave no room for the reading times of a run (%1 characters too many). Shorten the comments or the full names, or collect into a new wine.</source>
        <translation>Les notes du vin ne laissent pas de place pour les temps des lectures d&apos;une acquisition (%1 caractères de trop). Raccourcissez les commentaires ou les noms complets, ou faites l&apos;acquisition dans un nouveau vin.</translation>
    </message>
    <message>
        <source>The balance is no longer connected (%1). Data collection will exit.</source>
        <translation>La balance n&apos;est plus connectée (%1). L&apos;acquisition des données va s&apos;arrêter.</translation>
    </message>
    <message>
        <source>The scale could not be read (%1). Data collection will exit.</source>
        <translation>La balance n&apos;a pas pu être lue (%1). L&apos;acquisition des données va s&apos;arrêter.</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Wine</source>
        <translation>Vin</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Trial start</source>
        <translation>Début de l&apos;essai</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Index (s)</source>
        <translation>Indice (s)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Vmax (L/m²)</source>
        <translation>Vmax (L/m²)</translation>
    </message>
    <message>
        <source>Vmax 95 %</source>
        <translation>Vmax 95 %</translation>
    </message>
    <message>
        <source>Best law</source>
        <translation>Meilleure loi</translation>
    </message>
    <message>
        <source>Exp. (L/m²)</source>
        <translation>Exp. (L/m²)</translation>
    </message>
    <message>
        <source>Power (L/m²)</source>
        <translation>Puissance (L/m²)</translation>
    </message>
    <message>
        <source>Best law (L/m²)</source>
        <translation>Meilleure loi (L/m²)</translation>
    </message>
    <message>
        <source>Flux decline (%)</source>
        <translation>Baisse du flux (%)</translation>
    </message>
    <message>
        <source>The chart shows the first %1 of the %2 trials, in the table&apos;s order; the other %3 are in the table only.</source>
        <translation>Le graphique montre les %1 premiers des %2 essais, dans l&apos;ordre du tableau ; les %3 autres figurent seulement dans le tableau.</translation>
    </message>
</context>
<context>
    <name>ComparisonDocument</name>
    <message>
        <source>Trials compared</source>
        <translation>Essais comparés</translation>
    </message>
</context>
<context>
    <name>ConditionsCheck</name>
    <message>
        <source>Wine Name field is blank; please enter a name for this wine.</source>
        <translation>Le champ Nom du vin est vide ; veuillez saisir un nom pour ce vin.</translation>
    </message>
    <message>
        <source>Wine Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Le champ Nom du vin contient un caractère de contrôle (tabulation ou saut de ligne) ; veuillez le supprimer.</translation>
    </message>
    <message>
        <source>Filter Name field is blank; please enter a name for this filter.</source>
        <translation>Le champ Nom du filtre est vide ; veuillez saisir un nom pour ce filtre.</translation>
    </message>
    <message>
        <source>Filter Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Le champ Nom du filtre contient un caractère de contrôle (tabulation ou saut de ligne) ; veuillez le supprimer.</translation>
    </message>
    <message>
        <source>Wine Name, Filter Name and Comments are too long to be kept in the wine file. Please shorten them by %1 characters.</source>
        <translation>Nom du vin, Nom du filtre et Commentaires sont trop longs pour le fichier du vin. Veuillez les raccourcir de %1 caractères.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.</source>
        <translation>La pression de laboratoire est hors limites. Veuillez saisir une valeur entre 1000 et 0.1.</translation>
    </message>
    <message>
        <source>Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>Le diamètre du filtre de laboratoire est hors limites. Veuillez saisir une valeur entre 1000 et 1.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>La pression maximale en production est hors limites. Veuillez saisir une valeur entre 1000 et 1.</translation>
    </message>
    <message>
        <source>Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.</source>
        <translation>La surface en production est hors limites. Veuillez saisir une valeur entre 1000 et 0.2.</translation>
    </message>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.</source>
        <translation>Le débit en production est hors limites. Veuillez saisir une valeur entre 1999 et 0.1.</translation>
    </message>
</context>
<context>
    <name>FoulingAnalysis</name>
    <message>
        <source>Law</source>
        <translation>Loi</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Constante</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>not distinguishable from the best</source>
        <translation>non distinguable de la meilleure</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>Points used</source>
        <translation>Points utilisés</translation>
    </message>
    <message>
        <source>Reading times</source>
        <translation>Temps de lecture</translation>
    </message>
    <message>
        <source>to 0.1 s, as collected</source>
        <translation>à 0,1 s, comme acquises</translation>
    </message>
    <message>
        <source>whole seconds</source>
        <translation>secondes entières</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Mieux décrit par</translation>
    </message>
    <message>
        <source>Vmax lower bound</source>
        <translation>Borne inférieure de Vmax</translation>
    </message>
    <message>
        <source>Capacity by Vmax</source>
        <translation>Capacité selon Vmax</translation>
    </message>
    <message>
        <source>Best law&apos;s capacity</source>
        <translation>Capacité de la meilleure loi</translation>
    </message>
    <message>
        <source>Production capacity</source>
        <translation>Capacité en production</translation>
    </message>
    <message>
        <source>Exponential model estimate</source>
        <translation>Estimation du modèle exponentiel</translation>
    </message>
    <message>
        <source>Power model estimate</source>
        <translation>Estimation du modèle puissance</translation>
    </message>
    <message>
        <source>Flux decline</source>
        <translation>Baisse du flux</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Indice de colmatage</translation>
    </message>
    <message>
        <source>complete blocking</source>
        <translation>blocage complet</translation>
    </message>
    <message>
        <source>intermediate blocking</source>
        <translation>blocage intermédiaire</translation>
    </message>
    <message>
        <source>standard blocking</source>
        <translation>blocage standard</translation>
    </message>
    <message>
        <source>cake filtration</source>
        <translation>filtration sur gâteau</translation>
    </message>
    <message>
        <source>the law is clear and follows the trial</source>
        <translation>la loi est nette et suit l&apos;essai</translation>
    </message>
    <message>
        <source>the trial cannot tell the laws apart</source>
        <translation>l&apos;essai ne permet pas de distinguer les lois</translation>
    </message>
    <message>
        <source>%1 leaves runs in its residuals, it does not follow the trial closely (did the pressure wobble or drift?)</source>
        <translation>%1 laisse des séries dans ses résidus, elle ne suit pas l&apos;essai de près (la pression a-t-elle fluctué ou dérivé ?)</translation>
    </message>
    <message>
        <source>doubtful: %1</source>
        <translation>douteux : %1</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>douteux</translation>
    </message>
    <message>
        <source>the lowest capacity of the laws the trial cannot tell apart</source>
        <translation>la plus faible capacité des lois que l&apos;essai ne distingue pas</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Capacity to rely on</source>
        <translation>Capacité à retenir</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>not fitted</source>
        <translation>non ajustée</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>Points de mesure</translation>
    </message>
    <message>
        <source>Unused data</source>
        <translation>Données non utilisées</translation>
    </message>
    <message>
        <source>Max Resistance</source>
        <translation>Résistance max</translation>
    </message>
    <message>
        <source>Power Model Curve</source>
        <translation>Modèle puissance</translation>
    </message>
    <message>
        <source>Exponential Curve</source>
        <translation>Courbe exponentielle</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Points de mesure</translation>
    </message>
    <message>
        <source>Unused Data</source>
        <translation>Non utilisées</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>A file with that name already exists. Overwrite it?</source>
        <translation>Un fichier de ce nom existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Data is insufficient to calculate fouling constants.</source>
        <translation>Les données sont insuffisantes pour calculer les constantes de colmatage.</translation>
    </message>
    <message>
        <source>The filtration conditions are missing or out of range. Please check them with Edit Conditions. Unable to calculate.</source>
        <translation>Les conditions de filtration manquent ou sont hors limites. Vérifiez-les avec Modifier les conditions. Calcul impossible.</translation>
    </message>
    <message>
        <source>A volume in the data is too large or too small to calculate with. Unable to calculate.</source>
        <translation>Un volume des données est trop grand ou trop petit pour le calcul. Calcul impossible.</translation>
    </message>
    <message>
        <source>Rm is greater than the allowable production resistance. If the data and conditions are correct then this filtration should foul extremely rapidly.</source>
        <translation>Rm dépasse la résistance admissible en production. Si les données et les conditions sont justes, cette filtration devrait se colmater extrêmement vite.</translation>
    </message>
    <message>
        <source>No fouling was observed. Either the volume passed was insufficient to foul the filter or perhaps pressure rose during the trial. Expected volume cannot be estimated.</source>
        <translation>Aucun colmatage observé. Le volume passé était insuffisant pour colmater le filtre, ou la pression a peut-être monté pendant l&apos;essai. Le volume attendu ne peut pas être estimé.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Rm is greater than maximum allowable production resistance.</source>
        <translation>Le volume attendu ne peut pas être calculé avec le modèle puissance. Rm dépasse la résistance maximale admissible en production.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Its exponent b is zero or too close to zero.</source>
        <translation>Le volume attendu ne peut pas être calculé avec le modèle puissance. Son exposant b est nul ou trop proche de zéro.</translation>
    </message>
    <message>
        <source>The resistances are too high for the Power Model. Its results are left blank.</source>
        <translation>Les résistances sont trop élevées pour le modèle puissance. Ses résultats restent vides.</translation>
    </message>
    <message>
        <source>The Power Model cannot be fitted to these data. Its results are left blank.</source>
        <translation>Le modèle puissance ne peut pas être ajusté à ces données. Ses résultats restent vides.</translation>
    </message>
    <message>
        <source>The Power Model has no value at a V/A of 0.000. Those rows show no Power Model resistance.</source>
        <translation>Le modèle puissance n&apos;a pas de valeur pour un V/A de 0.000. Ces lignes n&apos;affichent pas de résistance du modèle puissance.</translation>
    </message>
    <message>
        <source>Error reading the data file.</source>
        <translation>Erreur de lecture du fichier de données.</translation>
    </message>
    <message>
        <source>There is an error in the data entry. Please correct it and retry, or cancel. (Volume increments must be greater than 0.1 ml.)</source>
        <translation>Les données saisies contiennent une erreur. Corrigez-la et réessayez, ou annulez. (Les accroissements de volume doivent dépasser 0.1 ml.)</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>it is the wine file %1, which the output is made from</source>
        <translation>c&apos;est le fichier de vin %1, à partir duquel le résultat est produit</translation>
    </message>
    <message>
        <source>it is a wine file, which an output never replaces</source>
        <translation>c&apos;est un fichier de vin, qu&apos;un résultat ne remplace jamais</translation>
    </message>
    <message>
        <source>the file has other names (hard links), which would all change with it</source>
        <translation>le fichier a d&apos;autres noms (liens physiques), qui changeraient tous avec lui</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée dans %1 : %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>ProgramConf</name>
    <message>
        <source>%1 [lab] terminal_flux_share = %2 is not a share above 0 and below 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] terminal_flux_share = %2 n&apos;est pas une part comprise entre 0 et 1 (exclus) ; les réglages du laboratoire prennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>%1 [lab] safety_factor = %2 is not a number of at least 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] safety_factor = %2 n&apos;est pas un nombre d&apos;au moins 1 ; les réglages du laboratoire prennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a section, a &quot;key = value&quot; line or a comment; it is ignored.</source>
        <translation>%1, ligne %2 : ce n&apos;est ni une section, ni une ligne « clé = valeur », ni un commentaire ; elle est ignorée.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a &quot;key = value&quot; line or a comment; every setting of [%3] is taken at its default.</source>
        <translation>%1, ligne %2 : ce n&apos;est ni une ligne « clé = valeur » ni un commentaire ; tous les réglages de [%3] prennent leur valeur par défaut.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); every setting in it is taken at its default.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) ; tous ses réglages prennent leur valeur par défaut.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>Fichiers PDF|*.pdf</translation>
    </message>
    <message>
        <source>CSV files|*.csv|JSON files|*.json</source>
        <translation>Fichiers CSV|*.csv|Fichiers JSON|*.json</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Rien n&apos;a été écrit : %1.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the file. Nothing was written.</source>
        <translation>Erreur d&apos;E/S de type %1 lors de l&apos;écriture du fichier. Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>not used by the fouling fits</source>
        <translation>non utilisé par les ajustements de colmatage</translation>
    </message>
    <message>
        <source>Fouling analysis</source>
        <translation>Analyse du colmatage</translation>
    </message>
    <message>
        <source>Laboratory-scale graph</source>
        <translation>Graphique de laboratoire</translation>
    </message>
    <message>
        <source>Production-scale graph</source>
        <translation>Graphique de production</translation>
    </message>
    <message>
        <source>Filterability report: </source>
        <translation>Rapport de filtrabilité : </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>ZEPHRA filterability report</source>
        <translation>Rapport de filtrabilité ZEPHRA</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filtre : </translation>
    </message>
    <message>
        <source>Wine type: </source>
        <translation>Type de vin : </translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Liquoreux</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Trial started: </source>
        <translation>Essai commencé : </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Fichier : </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Modifié : </translation>
    </message>
    <message>
        <source>Printed: </source>
        <translation>Imprimé : </translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Comments: </source>
        <translation>Commentaires : </translation>
    </message>
    <message>
        <source>The graph cannot be drawn: </source>
        <translation>Le graphique ne peut pas être tracé : </translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Conditions de laboratoire</translation>
    </message>
    <message>
        <source>Full Scale Conditions</source>
        <translation>Conditions de production</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pression</translation>
    </message>
    <message>
        <source>maximum pressure</source>
        <translation>pression maximale</translation>
    </message>
    <message>
        <source>area</source>
        <translation>surface</translation>
    </message>
    <message>
        <source>equivalent volume passed</source>
        <translation>volume équivalent filtré</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>débit</translation>
    </message>
    <message>
        <source>average face velocity</source>
        <translation>vitesse frontale moyenne</translation>
    </message>
    <message>
        <source>face velocity</source>
        <translation>vitesse frontale</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Wine:</source>
        <translation>Vin :</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre:</translation>
    </message>
    <message>
        <source>Power Fouling Constants</source>
        <translation>Constantes du modèle puissance</translation>
    </message>
    <message>
        <source>Estimated full-scale volume</source>
        <translation>Volume estimé en production</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>gallons</translation>
    </message>
    <message>
        <source>Exponential Fouling Constants</source>
        <translation>Constantes du modèle exponentiel</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <source>the trial did not reach 400 ml</source>
        <translation>l&apos;essai n&apos;a pas atteint 400 ml</translation>
    </message>
    <message>
        <source>the standard law does not describe this trial</source>
        <translation>la loi standard ne décrit pas cet essai</translation>
    </message>
    <message>
        <source>exponential model %1, power model %2 (production filter)</source>
        <translation>modèle exponentiel %1, modèle de puissance %2 (filtre de production)</translation>
    </message>
    <message>
        <source>Not enough data for a verdict: run the trial longer.</source>
        <translation>Pas assez de données pour conclure : prolongez l&apos;essai.</translation>
    </message>
    <message>
        <source>Index not comparable at these conditions: judge by the capacity.</source>
        <translation>Indice non comparable dans ces conditions : jugez sur la capacité.</translation>
    </message>
    <message>
        <source>The trial did not reach 400 ml: no index; judge by the capacity.</source>
        <translation>L&apos;essai n&apos;a pas atteint 400 ml : pas d&apos;indice ; jugez sur la capacité.</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Indice de colmatage</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Mieux décrit par</translation>
    </message>
    <message>
        <source>Capacity by the models</source>
        <translation>Capacité selon les modèles</translation>
    </message>
    <message>
        <source>Capacity by the analysis</source>
        <translation>Capacité selon l&apos;analyse</translation>
    </message>
    <message>
        <source>doubtful: see the capacity by the analysis</source>
        <translation>douteux : voir la capacité selon l&apos;analyse</translation>
    </message>
    <message>
        <source>Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm membrane at %4; the pore size is not recorded, %5 µm is assumed.</source>
        <translation>Classes selon Romat (2014) : limites %1 / %2 / %3 s, pour une membrane de 25 mm à %4 ; le seuil de la membrane n&apos;est pas enregistré, %5 µm est supposé.</translation>
    </message>
</context>
<context>
    <name>ReportSource</name>
    <message>
        <source>not saved</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source> (changed since, not saved)</source>
        <translation> (modifié depuis, non enregistré)</translation>
    </message>
</context>
<context>
    <name>ScaleConnection</name>
    <message>
        <source>I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.</source>
        <translation>Erreur d&apos;E/S de type %1 lors de l&apos;écriture du fichier d&apos;environnement ZEPHRA.DAT.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.</source>
        <translation>Erreur d&apos;E/S de type %1 lors de l&apos;écriture des réglages de la balance BALANCE.CONF.</translation>
    </message>
</context>
<context>
    <name>ShownConditions</name>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>Le débit en production est hors limites. Veuillez saisir une valeur entre %1 et %2 %3.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La pression de laboratoire est hors limites. Veuillez saisir une valeur entre %1 et %2 %3.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La pression maximale en production est hors limites. Veuillez saisir une valeur entre %1 et %2 %3.</translation>
    </message>
</context>
<context>
    <name>VmaxTracker</name>
    <message>
        <source>capacity %1, %2</source>
        <translation>capacité %1, %2</translation>
    </message>
    <message>
        <source>capacity %1 L/m² (95 %: %2–%3) by %4</source>
        <translation>capacité %1 L/m² (95 % : %2–%3) selon %4</translation>
    </message>
    <message>
        <source>doubtful: %1 does not follow the trial closely</source>
        <translation>douteux : %1 ne suit pas l&apos;essai de près</translation>
    </message>
</context>
<context>
    <name>WineFile</name>
    <message>
        <source>The file would be too large: the wine&apos;s notes (comments, full names, reading times) do not fit after the record. Shorten the comments and save again.</source>
        <translation>Le fichier serait trop grand : les notes du vin (commentaires, noms complets, temps de lecture) ne tiennent pas après l&apos;enregistrement. Raccourcissez les commentaires et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The notes after the wine record could not be read by this version of the program; saving the wine&apos;s new notes replaces them, and their comments, full names and reading times are lost.</source>
        <translation>Les notes qui suivent la fiche du vin n&apos;ont pas pu être lues par cette version du programme ; enregistrer les nouvelles notes du vin les remplace, et leurs commentaires, noms complets et heures des lectures sont perdus.</translation>
    </message>
</context>
<context>
    <name>zephra::CollectionSession</name>
    <message>
        <source>Data collection is in progress. Strike &apos;X&apos; key to stop data collection first.</source>
        <translation>Une acquisition est en cours. Appuyez sur la touche « X » pour l&apos;arrêter d&apos;abord.</translation>
    </message>
</context>
<context>
    <name>zephra::CompareTrialsWindow</name>
    <message>
        <source>Compare Trials</source>
        <translation>Comparer les essais</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Ajouter des fichiers...</translation>
    </message>
    <message>
        <source>Export Table...</source>
        <translation>Exporter le tableau...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
</context>
<context>
    <name>zephra::FilterSizingWindow</name>
    <message>
        <source>Batch volume:</source>
        <translation>Volume du lot :</translation>
    </message>
    <message>
        <source>Safety factor:</source>
        <translation>Facteur de sécurité :</translation>
    </message>
    <message>
        <source>Element area:</source>
        <translation>Surface de l&apos;élément :</translation>
    </message>
    <message>
        <source>m² (optional)</source>
        <translation>m² (facultatif)</translation>
    </message>
    <message>
        <source>Production flow:</source>
        <translation>Débit de production :</translation>
    </message>
    <message>
        <source>Filter Sizing — </source>
        <translation>Dimensionnement du filtre — </translation>
    </message>
    <message>
        <source>Enter the batch volume.</source>
        <translation>Saisissez le volume du lot.</translation>
    </message>
    <message>
        <source>The safety factor must be a number of at least 1.</source>
        <translation>Le facteur de sécurité doit être un nombre au moins égal à 1.</translation>
    </message>
    <message>
        <source>The element area must be a positive number of m², or empty.</source>
        <translation>La surface de l&apos;élément doit être un nombre positif de m², ou vide.</translation>
    </message>
    <message>
        <source>The production flow must be a positive number, or empty.</source>
        <translation>Le débit de production doit être un nombre positif, ou vide.</translation>
    </message>
</context>
<context>
    <name>zephra::FoulingAnalysisWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Copier le tableau</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Analyse du colmatage</translation>
    </message>
    <message>
        <source>Vmax and the capacity come from the standard blocking law: a constant-pressure estimate without a safety factor.</source>
        <translation>Vmax et la capacité viennent de la loi de colmatage standard : une estimation à pression constante, sans facteur de sécurité.</translation>
    </message>
</context>
<context>
    <name>zephra::GraphWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Enregistrer l&apos;image sous...</translation>
    </message>
</context>
<context>
    <name>zephra::HelpWindow</name>
    <message>
        <source>ZEPHRA Help</source>
        <translation>Aide de ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language could not be kept in %1: %2.</source>
        <translation>La langue n&apos;a pas pu être enregistrée dans %1 : %2.</translation>
    </message>
    <message>
        <source>The language changes when ZEPHRA starts again.</source>
        <translation>La langue change au prochain démarrage de ZEPHRA.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the language is not kept.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) ; il n&apos;est donc pas réécrit et la langue n&apos;est pas conservée.</translation>
    </message>
</context>
<context>
    <name>zephra::TAboutBox</name>
    <message>
        <source>About ORVANE ZEPHRA</source>
        <translation>À propos d&apos;ORVANE ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::TCOMDlg</name>
    <message>
        <source>Set scale connection</source>
        <translation>Connexion de la balance</translation>
    </message>
    <message>
        <source>Select the COM port to which the scale is connected</source>
        <translation>Choisissez le port COM de la balance</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Dialect</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Auto (detect)</source>
        <translation>Auto (détecter)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>A balance on the network, in place of the COM port; empty for the COM port</source>
        <translation>Une balance sur le réseau, à la place du port COM ; vide pour le port COM</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Trame</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>&lt;&lt; Balance</source>
        <translation>&lt;&lt; Balance</translation>
    </message>
    <message>
        <source>Balance &gt;&gt;</source>
        <translation>Balance &gt;&gt;</translation>
    </message>
    <message>
        <source>The network address must be tcp://HOST:PORT.</source>
        <translation>L&apos;adresse réseau doit être tcp://HÔTE:PORT.</translation>
    </message>
    <message>
        <source>Choose a COM port or enter a network address.</source>
        <translation>Choisissez un port COM ou saisissez une adresse réseau.</translation>
    </message>
    <message>
        <source>Trying every dialect on %1...</source>
        <translation>Essai de chaque protocole sur %1...</translation>
    </message>
    <message>
        <source>No balance answered on %1 in any dialect. Check the cable, the port and that the balance is on.</source>
        <translation>Aucune balance n&apos;a répondu sur %1, quel que soit le protocole. Vérifiez le câble, le port et que la balance est allumée.</translation>
    </message>
    <message>
        <source>Found %1 at %2: %3</source>
        <translation>%1 trouvée sur %2 : %3</translation>
    </message>
    <message>
        <source>The rate must be a number of bit/s.</source>
        <translation>La vitesse doit être un nombre de bit/s.</translation>
    </message>
    <message>
        <source>Asking %1 for a weight...</source>
        <translation>Demande d&apos;une pesée à %1...</translation>
    </message>
</context>
<context>
    <name>zephra::TConditionsDlg</name>
    <message>
        <source>Filtration Conditions</source>
        <translation>Conditions de filtration</translation>
    </message>
    <message>
        <source>Wine Name</source>
        <translation>Nom du vin</translation>
    </message>
    <message>
        <source>Filter Name</source>
        <translation>Nom du filtre</translation>
    </message>
    <message>
        <source>Wine Type</source>
        <translation>Type de vin</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Liquoreux</translation>
    </message>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Conditions de laboratoire</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Filter Diameter</source>
        <translation>Diamètre filtre</translation>
    </message>
    <message>
        <source>Full-Scale Conditions</source>
        <translation>Conditions de production</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Pression max</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zephra::TDataCollectionDlg</name>
    <message>
        <source>Data Collection</source>
        <translation>Acquisition des données</translation>
    </message>
    <message>
        <source>Time to next read:</source>
        <translation>Lecture dans :</translation>
    </message>
    <message>
        <source>Strike &apos;X&apos; key to stop data collection</source>
        <translation>Touche « X » pour arrêter l&apos;acquisition</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Écoulé :</translation>
    </message>
    <message>
        <source>Points stored:</source>
        <translation>Points enregistrés :</translation>
    </message>
    <message>
        <source>Last reading:</source>
        <translation>Dernière lecture :</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Vmax:</source>
        <translation>Vmax :</translation>
    </message>
    <message>
        <source>Best law:</source>
        <translation>Meilleure loi :</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>zephra::TDataDlg</name>
    <message>
        <source>Filtration Data</source>
        <translation>Données de filtration</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Points to be skipped</source>
        <translation>Points à ignorer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinLab</name>
    <message>
        <source>Lab Scale Graph</source>
        <translation>Graphique de laboratoire</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinProd</name>
    <message>
        <source>Production Scale Graph</source>
        <translation>Graphique de production</translation>
    </message>
</context>
<context>
    <name>zephra::TMDIChild</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>A wine with that file name is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Un vin portant ce nom de fichier est ouvert dans une autre fenêtre. Choisissez un autre nom de fichier ou fermez cette fenêtre. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 - The file did not get saved.</source>
        <translation>Erreur d&apos;E/S de type %1 - Le fichier n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Not kept for recovery: %1</source>
        <translation>Non conservé pour la récupération : %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>zephra::TMainForm</name>
    <message>
        <source>I/O Error type %1 occurred while loading environment file ZEPHRA.DAT. ZEPHRA will have to exit.</source>
        <translation>Erreur d&apos;E/S de type %1 lors du chargement du fichier d&apos;environnement ZEPHRA.DAT. ZEPHRA doit se fermer.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New|Create a new wine</source>
        <translation>Nouveau|Créer un nouveau vin</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open|Open an existing wine file</source>
        <translation>Ouvrir|Ouvrir un fichier de vin existant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close|Close the currently active window</source>
        <translation>Fermer|Fermer la fenêtre active</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save|Save current wine</source>
        <translation>Enregistrer|Enregistrer le vin</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save as|Save the current wine with a new file name</source>
        <translation>Enregistrer sous|Enregistrer le vin sous un nouveau nom</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Exporter en &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF|Write the lab report of the current wine as a PDF file</source>
        <translation>Exporter en PDF|Écrire le rapport de laboratoire du vin en PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print|Print the lab report of the current wine</source>
        <translation>Imprimer|Imprimer le rapport de laboratoire du vin</translation>
    </message>
    <message>
        <source>Export Da&amp;ta...</source>
        <translation>Exporter les &amp;données...</translation>
    </message>
    <message>
        <source>Export data|Write the data and results of the current wine as CSV or JSON</source>
        <translation>Exporter les données|Écrire les données et résultats du vin en CSV ou JSON</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>Quitter|Quitter l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Edit Conditions</source>
        <translation>Modifier les &amp;conditions</translation>
    </message>
    <message>
        <source>Edit &amp;Data</source>
        <translation>Modifier les &amp;données</translation>
    </message>
    <message>
        <source>&amp;Collect New Data</source>
        <translation>&amp;Acquérir de nouvelles données</translation>
    </message>
    <message>
        <source>Laboratory Graph</source>
        <translation>Graphique de laboratoire</translation>
    </message>
    <message>
        <source>Production Graph</source>
        <translation>Graphique de production</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Analyse du colmatage</translation>
    </message>
    <message>
        <source>Filter Sizing</source>
        <translation>Dimensionnement du filtre</translation>
    </message>
    <message>
        <source>Set Scale Connection</source>
        <translation>Connexion de la balance</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Mosaïque horizontale</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Mosaïque verticale</translation>
    </message>
    <message>
        <source>&amp;Wine</source>
        <translation>&amp;Vin</translation>
    </message>
    <message>
        <source>Close|Close the current window</source>
        <translation>Fermer|Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>Enregistrer sous|Enregistrer le fichier sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Cascade|Cascade windows</source>
        <translation>Cascade|Fenêtres en cascade</translation>
    </message>
    <message>
        <source>Tile|Tile windows horizontally</source>
        <translation>Mosaïque|Fenêtres en mosaïque horizontale</translation>
    </message>
    <message>
        <source>Tile|Tile windows vertically</source>
        <translation>Mosaïque|Fenêtres en mosaïque verticale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Compare Trials</source>
        <translation>Comparer les essais</translation>
    </message>
    <message>
        <source>&amp;US</source>
        <translation>&amp;US</translation>
    </message>
    <message>
        <source>US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them</source>
        <translation>Unités US|Afficher psi, gallons US, gpm et gpm/m2, comme les fichiers de vin les conservent</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrique</translation>
    </message>
    <message>
        <source>Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)</source>
        <translation>Unités métriques|Afficher et saisir bar, hL, L/h ou hL/h et L/(m²·h)</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the units hold until ZEPHRA ends.</source>
        <translation>%1 n&apos;a pas pu être lu (%2) ; il n&apos;est donc pas réécrit et les unités valent jusqu&apos;à la fermeture de ZEPHRA.</translation>
    </message>
    <message>
        <source>The units could not be kept in %1 (%2); they hold until ZEPHRA ends.</source>
        <translation>Les unités n&apos;ont pas pu être conservées dans %1 (%2) ; elles valent jusqu&apos;à la fermeture de ZEPHRA.</translation>
    </message>
</context>
<context>
    <name>zephra::TNewDataDlg</name>
    <message>
        <source>Collect New Data</source>
        <translation>Nouvelle acquisition</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densité</translation>
    </message>
    <message>
        <source>Maximum Test Duration (min)</source>
        <translation>Durée maximale de l&apos;essai (min)</translation>
    </message>
    <message>
        <source>Begin Data Collection</source>
        <translation>Commencer l&apos;acquisition</translation>
    </message>
    <message>
        <source>WARNING: Beginning data collection will</source>
        <translation>ATTENTION : commencer l&apos;acquisition</translation>
    </message>
    <message>
        <source>erase the existing data set. </source>
        <translation>effacera les données existantes. </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Density is out of Range. Please enter a value between 2 and 0.1.</source>
        <translation>La densité est hors limites. Veuillez saisir une valeur entre 2 et 0.1.</translation>
    </message>
</context>
<context>
    <name>zephra::TRecoverDataDlg</name>
    <message>
        <source>Recover Collected Data</source>
        <translation>Récupérer les données acquises</translation>
    </message>
    <message>
        <source>ZEPHRA ended while it was collecting data, before they were saved.

Wine: %1
File: %2
Readings: %3

Restore the readings into a wine window, or discard them?</source>
        <translation>ZEPHRA s&apos;est arrêté pendant une acquisition, avant l&apos;enregistrement des données.

Vin : %1
Fichier : %2
Lectures : %3

Restaurer les lectures dans une fenêtre de vin, ou les abandonner ?</translation>
    </message>
    <message>
        <source>none (the wine was never saved)</source>
        <translation>aucun (le vin n&apos;a jamais été enregistré)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>zephra::TWelcomeDlg</name>
    <message>
        <source>How would you like to begin?</source>
        <translation>Comment voulez-vous commencer ?</translation>
    </message>
    <message>
        <source>Open an existing wine file</source>
        <translation>Ouvrir un fichier de vin existant</translation>
    </message>
    <message>
        <source>Begin with a new wine</source>
        <translation>Commencer un nouveau vin</translation>
    </message>
</context>
<context>
    <name>zephra::WineWindows</name>
    <message>
        <source>A file with that name is already open. It must be closed or saved under another name before opening again.  %1</source>
        <translation>Un fichier de ce nom est déjà ouvert. Il doit être fermé ou enregistré sous un autre nom avant d&apos;être rouvert.  %1</translation>
    </message>
    <message>
        <source>Can not locate file.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>That file is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Ce fichier est ouvert dans une autre fenêtre. Choisissez un autre nom de fichier ou fermez cette fenêtre. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while saving the wine file. Your data was not saved!</source>
        <translation>Erreur d&apos;E/S de type %1 lors de l&apos;enregistrement du fichier du vin. Vos données n&apos;ont pas été enregistrées !</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Fichier enregistré</translation>
    </message>
    <message>
        <source>Save %1 before closing?</source>
        <translation>Enregistrer %1 avant de fermer ?</translation>
    </message>
    <message>
        <source>The readings stay in %1.</source>
        <translation>Les lectures restent dans %1.</translation>
    </message>
</context>
<context>
    <name>zephra::serial::ui::PortSettingsDialog</name>
    <message>
        <source>Port Settings - %1</source>
        <translation>Réglages du port - %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Xon / Xoff</source>
        <translation>Xon / Xoff</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>&amp;Bits per second:</source>
        <translation>&amp;Bits par seconde :</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>Bits de &amp;données :</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Parité :</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bits d&apos;&amp;arrêt :</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Contrôle de flux :</translation>
    </message>
</context>
</TS>
