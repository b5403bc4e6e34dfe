<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>The balance reports an overload.</source>
        <translation>La bilancia segnala un sovraccarico.</translation>
    </message>
    <message>
        <source>The balance reports an underload.</source>
        <translation>La bilancia segnala un sottocarico.</translation>
    </message>
    <message>
        <source>The balance is busy and gives no weight.</source>
        <translation>La bilancia è occupata e non fornisce il peso.</translation>
    </message>
    <message>
        <source>The balance reports an error (%1).</source>
        <translation>La bilancia segnala un errore (%1).</translation>
    </message>
    <message>
        <source>The balance weighs in &quot;%1&quot;, which cannot be converted to grams. Set the balance to grams.</source>
        <translation>La bilancia pesa in &quot;%1&quot;, che non si può convertire in grammi. Impostare la bilancia in grammi.</translation>
    </message>
    <message>
        <source>The balance reads %1, beyond the range of a laboratory balance (100 kg).</source>
        <translation>La bilancia indica %1, oltre la portata di una bilancia da laboratorio (100 kg).</translation>
    </message>
    <message>
        <source>The balance&apos;s port could not be opened (%1).</source>
        <translation>Non è stato possibile aprire la porta della bilancia (%1).</translation>
    </message>
</context>
<context>
    <name>CollectedDataRecovery</name>
    <message>
        <source>It was left where it is.</source>
        <translation>È stato lasciato dov&apos;è.</translation>
    </message>
    <message>
        <source>It was moved to %1.</source>
        <translation>È stato spostato in %1.</translation>
    </message>
    <message>
        <source>The recovery journal %1 could not be read (%2). %3</source>
        <translation>Impossibile leggere il registro di recupero %1 (%2). %3</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>The balance reads %1, which no laboratory balance weighs. Data collection will exit.</source>
        <translation>La bilancia indica %1, che nessuna bilancia da laboratorio pesa. La raccolta dei dati terminerà.</translation>
    </message>
    <message>
        <source>The balance reads %1, below zero after its tare. Data collection will exit.</source>
        <translation>La bilancia indica %1, sotto lo zero dopo la tara. La raccolta dei dati terminerà.</translation>
    </message>
    <message>
        <source>A volume of %1 ml does not fit the wine record&apos;s volume field. Data collection will exit.</source>
        <translation>Un volume di %1 ml non entra nel campo del volume della scheda del vino. La raccolta dei dati terminerà.</translation>
    </message>
</context>
<context>
    <name>CollectionRun</name>
    <message>
        <source>The wine&apos;s notes leave no room for the reading times of a run (%1 characters too many). Shorten the comments or the full names, or collect into a new wine.</source>
        <translation>Le note del vino non lasciano spazio per i tempi delle letture di un&apos;acquisizione (%1 caratteri di troppo). Abbreviare i commenti o i nomi completi, oppure acquisire in un nuovo vino.</translation>
    </message>
    <message>
        <source>The balance is no longer connected (%1). Data collection will exit.</source>
        <translation>La bilancia non è più collegata (%1). L&apos;acquisizione dati verrà terminata.</translation>
    </message>
    <message>
        <source>The scale could not be read (%1). Data collection will exit.</source>
        <translation>Non è stato possibile leggere la bilancia (%1). L&apos;acquisizione dati verrà terminata.</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Wine</source>
        <translation>Vino</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Trial start</source>
        <translation>Inizio prova</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
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
        <translation>Legge migliore</translation>
    </message>
    <message>
        <source>Exp. (L/m²)</source>
        <translation>Esp. (L/m²)</translation>
    </message>
    <message>
        <source>Power (L/m²)</source>
        <translation>Potenza (L/m²)</translation>
    </message>
    <message>
        <source>Best law (L/m²)</source>
        <translation>Legge migliore (L/m²)</translation>
    </message>
    <message>
        <source>Flux decline (%)</source>
        <translation>Calo del flusso (%)</translation>
    </message>
    <message>
        <source>The chart shows the first %1 of the %2 trials, in the table&apos;s order; the other %3 are in the table only.</source>
        <translation>Il grafico mostra le prime %1 delle %2 prove, nell&apos;ordine della tabella; le altre %3 sono solo nella tabella.</translation>
    </message>
</context>
<context>
    <name>ComparisonDocument</name>
    <message>
        <source>Trials compared</source>
        <translation>Prove a confronto</translation>
    </message>
</context>
<context>
    <name>ConditionsCheck</name>
    <message>
        <source>Wine Name field is blank; please enter a name for this wine.</source>
        <translation>Il campo Nome del vino è vuoto; inserire un nome per questo vino.</translation>
    </message>
    <message>
        <source>Wine Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Il campo Nome del vino contiene un carattere di controllo (tabulazione o a capo); rimuoverlo.</translation>
    </message>
    <message>
        <source>Filter Name field is blank; please enter a name for this filter.</source>
        <translation>Il campo Nome del filtro è vuoto; inserire un nome per questo filtro.</translation>
    </message>
    <message>
        <source>Filter Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>Il campo Nome del filtro contiene un carattere di controllo (tabulazione o a capo); rimuoverlo.</translation>
    </message>
    <message>
        <source>Wine Name, Filter Name and Comments are too long to be kept in the wine file. Please shorten them by %1 characters.</source>
        <translation>Nome del vino, Nome del filtro e Commenti sono troppo lunghi per il file del vino. Accorciarli di %1 caratteri.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.</source>
        <translation>La pressione di laboratorio è fuori intervallo. Inserire un valore tra 1000 e 0.1.</translation>
    </message>
    <message>
        <source>Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>Il diametro del filtro di laboratorio è fuori intervallo. Inserire un valore tra 1000 e 1.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>La pressione massima in produzione è fuori intervallo. Inserire un valore tra 1000 e 1.</translation>
    </message>
    <message>
        <source>Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.</source>
        <translation>La superficie in produzione è fuori intervallo. Inserire un valore tra 1000 e 0.2.</translation>
    </message>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.</source>
        <translation>La portata in produzione è fuori intervallo. Inserire un valore tra 1999 e 0.1.</translation>
    </message>
</context>
<context>
    <name>FoulingAnalysis</name>
    <message>
        <source>Law</source>
        <translation>Legge</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Costante</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>best</source>
        <translation>migliore</translation>
    </message>
    <message>
        <source>not distinguishable from the best</source>
        <translation>non distinguibile dalla migliore</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non raggiunto</translation>
    </message>
    <message>
        <source>Points used</source>
        <translation>Punti usati</translation>
    </message>
    <message>
        <source>Reading times</source>
        <translation>Tempi di lettura</translation>
    </message>
    <message>
        <source>to 0.1 s, as collected</source>
        <translation>a 0,1 s, come acquisite</translation>
    </message>
    <message>
        <source>whole seconds</source>
        <translation>secondi interi</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Descritto meglio da</translation>
    </message>
    <message>
        <source>Vmax lower bound</source>
        <translation>Limite inferiore di Vmax</translation>
    </message>
    <message>
        <source>Capacity by Vmax</source>
        <translation>Capacità da Vmax</translation>
    </message>
    <message>
        <source>Best law&apos;s capacity</source>
        <translation>Capacità della legge migliore</translation>
    </message>
    <message>
        <source>Production capacity</source>
        <translation>Capacità in produzione</translation>
    </message>
    <message>
        <source>Exponential model estimate</source>
        <translation>Stima del modello esponenziale</translation>
    </message>
    <message>
        <source>Power model estimate</source>
        <translation>Stima del modello a potenza</translation>
    </message>
    <message>
        <source>Flux decline</source>
        <translation>Calo del flusso</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Indice di colmataggio</translation>
    </message>
    <message>
        <source>complete blocking</source>
        <translation>blocco completo</translation>
    </message>
    <message>
        <source>intermediate blocking</source>
        <translation>blocco intermedio</translation>
    </message>
    <message>
        <source>standard blocking</source>
        <translation>blocco standard</translation>
    </message>
    <message>
        <source>cake filtration</source>
        <translation>filtrazione a torta</translation>
    </message>
    <message>
        <source>the law is clear and follows the trial</source>
        <translation>la legge è chiara e segue la prova</translation>
    </message>
    <message>
        <source>the trial cannot tell the laws apart</source>
        <translation>la prova non permette di distinguere le leggi</translation>
    </message>
    <message>
        <source>%1 leaves runs in its residuals, it does not follow the trial closely (did the pressure wobble or drift?)</source>
        <translation>%1 lascia sequenze nei residui, non segue da vicino la prova (la pressione ha oscillato o è derivata?)</translation>
    </message>
    <message>
        <source>doubtful: %1</source>
        <translation>dubbio: %1</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>dubbio</translation>
    </message>
    <message>
        <source>the lowest capacity of the laws the trial cannot tell apart</source>
        <translation>la capacità più bassa delle leggi che la prova non distingue</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdetto</translation>
    </message>
    <message>
        <source>Capacity to rely on</source>
        <translation>Capacità su cui contare</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>not fitted</source>
        <translation>non adattata</translation>
    </message>
    <message>
        <source>best</source>
        <translation>migliore</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>Punti misurati</translation>
    </message>
    <message>
        <source>Unused data</source>
        <translation>Dati non usati</translation>
    </message>
    <message>
        <source>Max Resistance</source>
        <translation>Resistenza max</translation>
    </message>
    <message>
        <source>Power Model Curve</source>
        <translation>Modello potenza</translation>
    </message>
    <message>
        <source>Exponential Curve</source>
        <translation>Curva esponenziale</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Punti misurati</translation>
    </message>
    <message>
        <source>Unused Data</source>
        <translation>Dati non usati</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>A file with that name already exists. Overwrite it?</source>
        <translation>Esiste già un file con questo nome. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Data is insufficient to calculate fouling constants.</source>
        <translation>I dati sono insufficienti per calcolare le costanti di colmataggio.</translation>
    </message>
    <message>
        <source>The filtration conditions are missing or out of range. Please check them with Edit Conditions. Unable to calculate.</source>
        <translation>Le condizioni di filtrazione mancano o sono fuori intervallo. Controllarle con Modifica condizioni. Impossibile calcolare.</translation>
    </message>
    <message>
        <source>A volume in the data is too large or too small to calculate with. Unable to calculate.</source>
        <translation>Un volume nei dati è troppo grande o troppo piccolo per il calcolo. Impossibile calcolare.</translation>
    </message>
    <message>
        <source>Rm is greater than the allowable production resistance. If the data and conditions are correct then this filtration should foul extremely rapidly.</source>
        <translation>Rm supera la resistenza ammessa in produzione. Se i dati e le condizioni sono corretti, questa filtrazione dovrebbe intasarsi molto rapidamente.</translation>
    </message>
    <message>
        <source>No fouling was observed. Either the volume passed was insufficient to foul the filter or perhaps pressure rose during the trial. Expected volume cannot be estimated.</source>
        <translation>Nessun colmataggio osservato. Il volume passato era insufficiente per intasare il filtro, o forse la pressione è salita durante la prova. Il volume atteso non può essere stimato.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Rm is greater than maximum allowable production resistance.</source>
        <translation>Il volume atteso non può essere calcolato con il modello a potenza. Rm supera la resistenza massima ammessa in produzione.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Its exponent b is zero or too close to zero.</source>
        <translation>Il volume atteso non può essere calcolato con il modello a potenza. Il suo esponente b è zero o troppo vicino a zero.</translation>
    </message>
    <message>
        <source>The resistances are too high for the Power Model. Its results are left blank.</source>
        <translation>Le resistenze sono troppo alte per il modello a potenza. I suoi risultati restano vuoti.</translation>
    </message>
    <message>
        <source>The Power Model cannot be fitted to these data. Its results are left blank.</source>
        <translation>Il modello a potenza non può essere adattato a questi dati. I suoi risultati restano vuoti.</translation>
    </message>
    <message>
        <source>The Power Model has no value at a V/A of 0.000. Those rows show no Power Model resistance.</source>
        <translation>Il modello a potenza non ha valore per un V/A di 0.000. Quelle righe non mostrano la resistenza del modello a potenza.</translation>
    </message>
    <message>
        <source>Error reading the data file.</source>
        <translation>Errore di lettura del file di dati.</translation>
    </message>
    <message>
        <source>There is an error in the data entry. Please correct it and retry, or cancel. (Volume increments must be greater than 0.1 ml.)</source>
        <translation>C&apos;è un errore nei dati inseriti. Correggerlo e riprovare, oppure annullare. (Gli incrementi di volume devono superare 0.1 ml.)</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>it is the wine file %1, which the output is made from</source>
        <translation>è il file del vino %1, da cui è ricavato il risultato</translation>
    </message>
    <message>
        <source>it is a wine file, which an output never replaces</source>
        <translation>è un file di vino, che un risultato non sostituisce mai</translation>
    </message>
    <message>
        <source>the file has other names (hard links), which would all change with it</source>
        <translation>il file ha altri nomi (collegamenti fisici), che cambierebbero tutti con esso</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>Save Picture As</source>
        <translation>Salva immagine come</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>L&apos;immagine non è stata salvata in %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Impossibile salvare l&apos;immagine in %1.</translation>
    </message>
</context>
<context>
    <name>ProgramConf</name>
    <message>
        <source>%1 [lab] terminal_flux_share = %2 is not a share above 0 and below 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] terminal_flux_share = %2 non è una quota maggiore di 0 e minore di 1; le impostazioni del laboratorio assumono i valori predefiniti.</translation>
    </message>
    <message>
        <source>%1 [lab] safety_factor = %2 is not a number of at least 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] safety_factor = %2 non è un numero di almeno 1; le impostazioni del laboratorio assumono i valori predefiniti.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a section, a &quot;key = value&quot; line or a comment; it is ignored.</source>
        <translation>%1, riga %2: non è una sezione, una riga &quot;chiave = valore&quot; né un commento; viene ignorata.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a &quot;key = value&quot; line or a comment; every setting of [%3] is taken at its default.</source>
        <translation>%1, riga %2: non è una riga &quot;chiave = valore&quot; né un commento; tutte le impostazioni di [%3] assumono il valore predefinito.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); every setting in it is taken at its default.</source>
        <translation>Impossibile leggere %1 (%2); tutte le sue impostazioni assumono il valore predefinito.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>File PDF|*.pdf</translation>
    </message>
    <message>
        <source>CSV files|*.csv|JSON files|*.json</source>
        <translation>File CSV|*.csv|File JSON|*.json</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Non è stato scritto nulla: %1.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the file. Nothing was written.</source>
        <translation>Errore di I/O di tipo %1 durante la scrittura del file. Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>not used by the fouling fits</source>
        <translation>non usato dagli adattamenti di colmataggio</translation>
    </message>
    <message>
        <source>Fouling analysis</source>
        <translation>Analisi del colmataggio</translation>
    </message>
    <message>
        <source>Laboratory-scale graph</source>
        <translation>Grafico di laboratorio</translation>
    </message>
    <message>
        <source>Production-scale graph</source>
        <translation>Grafico di produzione</translation>
    </message>
    <message>
        <source>Filterability report: </source>
        <translation>Rapporto di filtrabilità: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>ZEPHRA filterability report</source>
        <translation>Rapporto di filtrabilità ZEPHRA</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filtro: </translation>
    </message>
    <message>
        <source>Wine type: </source>
        <translation>Tipo di vino: </translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Dolce</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Trial started: </source>
        <translation>Prova iniziata: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Modificato: </translation>
    </message>
    <message>
        <source>Printed: </source>
        <translation>Stampato: </translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Comments: </source>
        <translation>Commenti: </translation>
    </message>
    <message>
        <source>The graph cannot be drawn: </source>
        <translation>Impossibile disegnare il grafico: </translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condizioni di laboratorio</translation>
    </message>
    <message>
        <source>Full Scale Conditions</source>
        <translation>Condizioni di produzione</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pressione</translation>
    </message>
    <message>
        <source>maximum pressure</source>
        <translation>pressione massima</translation>
    </message>
    <message>
        <source>area</source>
        <translation>superficie</translation>
    </message>
    <message>
        <source>equivalent volume passed</source>
        <translation>volume equivalente filtrato</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>portata</translation>
    </message>
    <message>
        <source>average face velocity</source>
        <translation>velocità frontale media</translation>
    </message>
    <message>
        <source>face velocity</source>
        <translation>velocità frontale</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Wine:</source>
        <translation>Vino:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Power Fouling Constants</source>
        <translation>Costanti del modello a potenza</translation>
    </message>
    <message>
        <source>Estimated full-scale volume</source>
        <translation>Volume stimato in produzione</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>galloni</translation>
    </message>
    <message>
        <source>Exponential Fouling Constants</source>
        <translation>Costanti del modello esponenziale</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <source>the trial did not reach 400 ml</source>
        <translation>la prova non ha raggiunto 400 ml</translation>
    </message>
    <message>
        <source>the standard law does not describe this trial</source>
        <translation>la legge standard non descrive questa prova</translation>
    </message>
    <message>
        <source>exponential model %1, power model %2 (production filter)</source>
        <translation>modello esponenziale %1, modello di potenza %2 (filtro di produzione)</translation>
    </message>
    <message>
        <source>Not enough data for a verdict: run the trial longer.</source>
        <translation>Dati insufficienti per un giudizio: prolungate la prova.</translation>
    </message>
    <message>
        <source>Index not comparable at these conditions: judge by the capacity.</source>
        <translation>Indice non confrontabile in queste condizioni: giudicate dalla capacità.</translation>
    </message>
    <message>
        <source>The trial did not reach 400 ml: no index; judge by the capacity.</source>
        <translation>La prova non ha raggiunto 400 ml: nessun indice; giudicate dalla capacità.</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Indice di colmataggio</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Descritto meglio da</translation>
    </message>
    <message>
        <source>Capacity by the models</source>
        <translation>Capacità secondo i modelli</translation>
    </message>
    <message>
        <source>Capacity by the analysis</source>
        <translation>Capacità secondo l&apos;analisi</translation>
    </message>
    <message>
        <source>doubtful: see the capacity by the analysis</source>
        <translation>dubbio: vedere la capacità secondo l&apos;analisi</translation>
    </message>
    <message>
        <source>Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm membrane at %4; the pore size is not recorded, %5 µm is assumed.</source>
        <translation>Classi secondo Romat (2014): limiti %1 / %2 / %3 s, per una membrana da 25 mm a %4; la porosità non è registrata, si assume %5 µm.</translation>
    </message>
</context>
<context>
    <name>ReportSource</name>
    <message>
        <source>not saved</source>
        <translation>non salvato</translation>
    </message>
    <message>
        <source> (changed since, not saved)</source>
        <translation> (modificato da allora, non salvato)</translation>
    </message>
</context>
<context>
    <name>ScaleConnection</name>
    <message>
        <source>I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.</source>
        <translation>Errore di I/O di tipo %1 durante la scrittura del file di ambiente ZEPHRA.DAT.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.</source>
        <translation>Errore di I/O di tipo %1 durante la scrittura delle impostazioni della bilancia BALANCE.CONF.</translation>
    </message>
</context>
<context>
    <name>ShownConditions</name>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La portata in produzione è fuori intervallo. Inserire un valore tra %1 e %2 %3.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La pressione di laboratorio è fuori intervallo. Inserire un valore tra %1 e %2 %3.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La pressione massima in produzione è fuori intervallo. Inserire un valore tra %1 e %2 %3.</translation>
    </message>
</context>
<context>
    <name>VmaxTracker</name>
    <message>
        <source>capacity %1, %2</source>
        <translation>capacità %1, %2</translation>
    </message>
    <message>
        <source>capacity %1 L/m² (95 %: %2–%3) by %4</source>
        <translation>capacità %1 L/m² (95 %: %2–%3) secondo %4</translation>
    </message>
    <message>
        <source>doubtful: %1 does not follow the trial closely</source>
        <translation>dubbio: %1 non segue da vicino la prova</translation>
    </message>
</context>
<context>
    <name>WineFile</name>
    <message>
        <source>The file would be too large: the wine&apos;s notes (comments, full names, reading times) do not fit after the record. Shorten the comments and save again.</source>
        <translation>Il file sarebbe troppo grande: le note del vino (commenti, nomi completi, tempi di lettura) non entrano dopo il record. Accorciate i commenti e salvate di nuovo.</translation>
    </message>
    <message>
        <source>The notes after the wine record could not be read by this version of the program; saving the wine&apos;s new notes replaces them, and their comments, full names and reading times are lost.</source>
        <translation>Le note dopo la scheda del vino non sono leggibili da questa versione del programma; salvare le nuove note del vino le sostituisce, e i loro commenti, nomi completi e orari delle letture vanno persi.</translation>
    </message>
</context>
<context>
    <name>zephra::CollectionSession</name>
    <message>
        <source>Data collection is in progress. Strike &apos;X&apos; key to stop data collection first.</source>
        <translation>Acquisizione dati in corso. Premere il tasto &apos;X&apos; per interromperla prima.</translation>
    </message>
</context>
<context>
    <name>zephra::CompareTrialsWindow</name>
    <message>
        <source>Compare Trials</source>
        <translation>Confronta prove</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Export Table...</source>
        <translation>Esporta tabella...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Esporta PDF...</translation>
    </message>
</context>
<context>
    <name>zephra::FilterSizingWindow</name>
    <message>
        <source>Batch volume:</source>
        <translation>Volume del lotto:</translation>
    </message>
    <message>
        <source>Safety factor:</source>
        <translation>Fattore di sicurezza:</translation>
    </message>
    <message>
        <source>Element area:</source>
        <translation>Superficie elemento:</translation>
    </message>
    <message>
        <source>m² (optional)</source>
        <translation>m² (facoltativo)</translation>
    </message>
    <message>
        <source>Production flow:</source>
        <translation>Portata di produzione:</translation>
    </message>
    <message>
        <source>Filter Sizing — </source>
        <translation>Dimensionamento del filtro — </translation>
    </message>
    <message>
        <source>Enter the batch volume.</source>
        <translation>Inserire il volume del lotto.</translation>
    </message>
    <message>
        <source>The safety factor must be a number of at least 1.</source>
        <translation>Il fattore di sicurezza deve essere un numero pari almeno a 1.</translation>
    </message>
    <message>
        <source>The element area must be a positive number of m², or empty.</source>
        <translation>La superficie dell&apos;elemento deve essere un numero positivo di m², o vuota.</translation>
    </message>
    <message>
        <source>The production flow must be a positive number, or empty.</source>
        <translation>La portata di produzione deve essere un numero positivo, o vuota.</translation>
    </message>
</context>
<context>
    <name>zephra::FoulingAnalysisWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Salva immagine come...</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Copia tabella</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Analisi del colmataggio</translation>
    </message>
    <message>
        <source>Vmax and the capacity come from the standard blocking law: a constant-pressure estimate without a safety factor.</source>
        <translation>Vmax e la capacità derivano dalla legge di colmataggio standard: una stima a pressione costante senza fattore di sicurezza.</translation>
    </message>
</context>
<context>
    <name>zephra::GraphWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Salva immagine come...</translation>
    </message>
</context>
<context>
    <name>zephra::HelpWindow</name>
    <message>
        <source>ZEPHRA Help</source>
        <translation>Guida di ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>The language could not be kept in %1: %2.</source>
        <translation>Impossibile salvare la lingua in %1: %2.</translation>
    </message>
    <message>
        <source>The language changes when ZEPHRA starts again.</source>
        <translation>La lingua cambia al prossimo avvio di ZEPHRA.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the language is not kept.</source>
        <translation>Impossibile leggere %1 (%2), quindi non viene sovrascritto; la lingua non viene salvata.</translation>
    </message>
</context>
<context>
    <name>zephra::TAboutBox</name>
    <message>
        <source>About ORVANE ZEPHRA</source>
        <translation>Informazioni su ORVANE ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::TCOMDlg</name>
    <message>
        <source>Set scale connection</source>
        <translation>Collegamento bilancia</translation>
    </message>
    <message>
        <source>Select the COM port to which the scale is connected</source>
        <translation>Scegliere la porta COM della bilancia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>assente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Dialect</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Auto (detect)</source>
        <translation>Auto (rileva)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>A balance on the network, in place of the COM port; empty for the COM port</source>
        <translation>Una bilancia in rete, al posto della porta COM; vuoto per la porta COM</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Rileva</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>&lt;&lt; Balance</source>
        <translation>&lt;&lt; Bilancia</translation>
    </message>
    <message>
        <source>Balance &gt;&gt;</source>
        <translation>Bilancia &gt;&gt;</translation>
    </message>
    <message>
        <source>The network address must be tcp://HOST:PORT.</source>
        <translation>L&apos;indirizzo di rete deve essere tcp://HOST:PORTA.</translation>
    </message>
    <message>
        <source>Choose a COM port or enter a network address.</source>
        <translation>Scegliere una porta COM o inserire un indirizzo di rete.</translation>
    </message>
    <message>
        <source>Trying every dialect on %1...</source>
        <translation>Prova di ogni protocollo su %1...</translation>
    </message>
    <message>
        <source>No balance answered on %1 in any dialect. Check the cable, the port and that the balance is on.</source>
        <translation>Nessuna bilancia ha risposto su %1 con alcun protocollo. Controllare il cavo, la porta e che la bilancia sia accesa.</translation>
    </message>
    <message>
        <source>Found %1 at %2: %3</source>
        <translation>Trovata %1 su %2: %3</translation>
    </message>
    <message>
        <source>The rate must be a number of bit/s.</source>
        <translation>La velocità deve essere un numero di bit/s.</translation>
    </message>
    <message>
        <source>Asking %1 for a weight...</source>
        <translation>Richiesta di un peso a %1...</translation>
    </message>
</context>
<context>
    <name>zephra::TConditionsDlg</name>
    <message>
        <source>Filtration Conditions</source>
        <translation>Condizioni di filtrazione</translation>
    </message>
    <message>
        <source>Wine Name</source>
        <translation>Nome del vino</translation>
    </message>
    <message>
        <source>Filter Name</source>
        <translation>Nome del filtro</translation>
    </message>
    <message>
        <source>Wine Type</source>
        <translation>Tipo di vino</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Dolce</translation>
    </message>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condizioni di laboratorio</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Filter Diameter</source>
        <translation>Diametro filtro</translation>
    </message>
    <message>
        <source>Full-Scale Conditions</source>
        <translation>Condizioni di produzione</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Pressione max</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zephra::TDataCollectionDlg</name>
    <message>
        <source>Data Collection</source>
        <translation>Acquisizione dati</translation>
    </message>
    <message>
        <source>Time to next read:</source>
        <translation>Lettura tra:</translation>
    </message>
    <message>
        <source>Strike &apos;X&apos; key to stop data collection</source>
        <translation>Premere &apos;X&apos; per fermare l&apos;acquisizione</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Trascorso:</translation>
    </message>
    <message>
        <source>Points stored:</source>
        <translation>Punti registrati:</translation>
    </message>
    <message>
        <source>Last reading:</source>
        <translation>Ultima lettura:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <source>Vmax:</source>
        <translation>Vmax:</translation>
    </message>
    <message>
        <source>Best law:</source>
        <translation>Legge migliore:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>zephra::TDataDlg</name>
    <message>
        <source>Filtration Data</source>
        <translation>Dati di filtrazione</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
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
        <translation>Punti da saltare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinLab</name>
    <message>
        <source>Lab Scale Graph</source>
        <translation>Grafico di laboratorio</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinProd</name>
    <message>
        <source>Production Scale Graph</source>
        <translation>Grafico di produzione</translation>
    </message>
</context>
<context>
    <name>zephra::TMDIChild</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>A wine with that file name is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Un vino con questo nome di file è aperto in un&apos;altra finestra. Scegliere un altro nome di file o chiudere quella finestra. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 - The file did not get saved.</source>
        <translation>Errore di I/O di tipo %1 - Il file non è stato salvato.</translation>
    </message>
    <message>
        <source>Not kept for recovery: %1</source>
        <translation>Non conservato per il recupero: %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Salvare comunque?</translation>
    </message>
</context>
<context>
    <name>zephra::TMainForm</name>
    <message>
        <source>I/O Error type %1 occurred while loading environment file ZEPHRA.DAT. ZEPHRA will have to exit.</source>
        <translation>Errore di I/O di tipo %1 durante il caricamento del file di ambiente ZEPHRA.DAT. ZEPHRA deve chiudersi.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>New|Create a new wine</source>
        <translation>Nuovo|Crea un nuovo vino</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open|Open an existing wine file</source>
        <translation>Apri|Apri un file di vino esistente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close|Close the currently active window</source>
        <translation>Chiudi|Chiudi la finestra attiva</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save|Save current wine</source>
        <translation>Salva|Salva il vino corrente</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Save as|Save the current wine with a new file name</source>
        <translation>Salva come|Salva il vino con un nuovo nome di file</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Esporta &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF|Write the lab report of the current wine as a PDF file</source>
        <translation>Esporta PDF|Scrivi il rapporto di laboratorio del vino in PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print|Print the lab report of the current wine</source>
        <translation>Stampa|Stampa il rapporto di laboratorio del vino</translation>
    </message>
    <message>
        <source>Export Da&amp;ta...</source>
        <translation>Esporta &amp;dati...</translation>
    </message>
    <message>
        <source>Export data|Write the data and results of the current wine as CSV or JSON</source>
        <translation>Esporta dati|Scrivi dati e risultati del vino in CSV o JSON</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>Esci|Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>&amp;Edit Conditions</source>
        <translation>Modifica &amp;condizioni</translation>
    </message>
    <message>
        <source>Edit &amp;Data</source>
        <translation>Modifica &amp;dati</translation>
    </message>
    <message>
        <source>&amp;Collect New Data</source>
        <translation>&amp;Acquisisci nuovi dati</translation>
    </message>
    <message>
        <source>Laboratory Graph</source>
        <translation>Grafico di laboratorio</translation>
    </message>
    <message>
        <source>Production Graph</source>
        <translation>Grafico di produzione</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Analisi del colmataggio</translation>
    </message>
    <message>
        <source>Filter Sizing</source>
        <translation>Dimensionamento del filtro</translation>
    </message>
    <message>
        <source>Set Scale Connection</source>
        <translation>Collegamento bilancia</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>A &amp;cascata</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>A cascata</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Affianca &amp;orizzontalmente</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Affianca orizzontalmente</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>Affianca &amp;verticalmente</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Affianca verticalmente</translation>
    </message>
    <message>
        <source>&amp;Wine</source>
        <translation>&amp;Vino</translation>
    </message>
    <message>
        <source>Close|Close the current window</source>
        <translation>Chiudi|Chiudi la finestra corrente</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>Salva come|Salva il file con un altro nome</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Cascade|Cascade windows</source>
        <translation>A cascata|Finestre a cascata</translation>
    </message>
    <message>
        <source>Tile|Tile windows horizontally</source>
        <translation>Affianca|Affianca le finestre orizzontalmente</translation>
    </message>
    <message>
        <source>Tile|Tile windows vertically</source>
        <translation>Affianca|Affianca le finestre verticalmente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Compare Trials</source>
        <translation>Confronta prove</translation>
    </message>
    <message>
        <source>&amp;US</source>
        <translation>&amp;US</translation>
    </message>
    <message>
        <source>US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them</source>
        <translation>Unità US|Mostra psi, galloni US, gpm e gpm/m2, come li conservano i file del vino</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrico</translation>
    </message>
    <message>
        <source>Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)</source>
        <translation>Unità metriche|Mostra e digita bar, hL, L/h o hL/h e L/(m²·h)</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the units hold until ZEPHRA ends.</source>
        <translation>Impossibile leggere %1 (%2), quindi non viene sovrascritto; le unità valgono fino alla chiusura di ZEPHRA.</translation>
    </message>
    <message>
        <source>The units could not be kept in %1 (%2); they hold until ZEPHRA ends.</source>
        <translation>Le unità non sono state salvate in %1 (%2); valgono fino alla chiusura di ZEPHRA.</translation>
    </message>
</context>
<context>
    <name>zephra::TNewDataDlg</name>
    <message>
        <source>Collect New Data</source>
        <translation>Nuova acquisizione</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Maximum Test Duration (min)</source>
        <translation>Durata massima della prova (min)</translation>
    </message>
    <message>
        <source>Begin Data Collection</source>
        <translation>Avvia acquisizione</translation>
    </message>
    <message>
        <source>WARNING: Beginning data collection will</source>
        <translation>ATTENZIONE: avviare l&apos;acquisizione</translation>
    </message>
    <message>
        <source>erase the existing data set. </source>
        <translation>cancellerà i dati esistenti. </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Density is out of Range. Please enter a value between 2 and 0.1.</source>
        <translation>La densità è fuori intervallo. Inserire un valore tra 2 e 0.1.</translation>
    </message>
</context>
<context>
    <name>zephra::TRecoverDataDlg</name>
    <message>
        <source>Recover Collected Data</source>
        <translation>Recupera i dati acquisiti</translation>
    </message>
    <message>
        <source>ZEPHRA ended while it was collecting data, before they were saved.

Wine: %1
File: %2
Readings: %3

Restore the readings into a wine window, or discard them?</source>
        <translation>ZEPHRA si è chiuso durante un&apos;acquisizione, prima che i dati fossero salvati.

Vino: %1
File: %2
Letture: %3

Ripristinare le letture in una finestra del vino o scartarle?</translation>
    </message>
    <message>
        <source>none (the wine was never saved)</source>
        <translation>nessuno (il vino non è mai stato salvato)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
</context>
<context>
    <name>zephra::TWelcomeDlg</name>
    <message>
        <source>How would you like to begin?</source>
        <translation>Come si desidera iniziare?</translation>
    </message>
    <message>
        <source>Open an existing wine file</source>
        <translation>Apri un file di vino esistente</translation>
    </message>
    <message>
        <source>Begin with a new wine</source>
        <translation>Inizia con un nuovo vino</translation>
    </message>
</context>
<context>
    <name>zephra::WineWindows</name>
    <message>
        <source>A file with that name is already open. It must be closed or saved under another name before opening again.  %1</source>
        <translation>Un file con questo nome è già aperto. Deve essere chiuso o salvato con un altro nome prima di riaprirlo.  %1</translation>
    </message>
    <message>
        <source>Can not locate file.</source>
        <translation>Impossibile trovare il file.</translation>
    </message>
    <message>
        <source>That file is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Quel file è aperto in un&apos;altra finestra. Scegliere un altro nome di file o chiudere quella finestra. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while saving the wine file. Your data was not saved!</source>
        <translation>Errore di I/O di tipo %1 durante il salvataggio del file del vino. I dati non sono stati salvati!</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>File salvato</translation>
    </message>
    <message>
        <source>Save %1 before closing?</source>
        <translation>Salvare %1 prima di chiudere?</translation>
    </message>
    <message>
        <source>The readings stay in %1.</source>
        <translation>Le letture restano in %1.</translation>
    </message>
</context>
<context>
    <name>zephra::serial::ui::PortSettingsDialog</name>
    <message>
        <source>Port Settings - %1</source>
        <translation>Impostazioni porta - %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Xon / Xoff</source>
        <translation>Xon / Xoff</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>&amp;Bits per second:</source>
        <translation>&amp;Bit al secondo:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>Bit di &amp;dati:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Parità:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bit di &amp;stop:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Controllo di flusso:</translation>
    </message>
</context>
</TS>
