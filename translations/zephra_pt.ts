<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>The balance reports an overload.</source>
        <translation>A balança indica uma sobrecarga.</translation>
    </message>
    <message>
        <source>The balance reports an underload.</source>
        <translation>A balança indica uma subcarga.</translation>
    </message>
    <message>
        <source>The balance is busy and gives no weight.</source>
        <translation>A balança está ocupada e não dá nenhum peso.</translation>
    </message>
    <message>
        <source>The balance reports an error (%1).</source>
        <translation>A balança indica um erro (%1).</translation>
    </message>
    <message>
        <source>The balance weighs in &quot;%1&quot;, which cannot be converted to grams. Set the balance to grams.</source>
        <translation>A balança pesa em &quot;%1&quot;, que não pode ser convertido em gramas. Configure a balança para gramas.</translation>
    </message>
    <message>
        <source>The balance reads %1, beyond the range of a laboratory balance (100 kg).</source>
        <translation>A balança indica %1, fora do alcance de uma balança de laboratório (100 kg).</translation>
    </message>
    <message>
        <source>The balance&apos;s port could not be opened (%1).</source>
        <translation>Não foi possível abrir a porta da balança (%1).</translation>
    </message>
</context>
<context>
    <name>CollectedDataRecovery</name>
    <message>
        <source>It was left where it is.</source>
        <translation>Foi deixado onde está.</translation>
    </message>
    <message>
        <source>It was moved to %1.</source>
        <translation>Foi movido para %1.</translation>
    </message>
    <message>
        <source>The recovery journal %1 could not be read (%2). %3</source>
        <translation>Não foi possível ler o registo de recuperação %1 (%2). %3</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>The balance reads %1, which no laboratory balance weighs. Data collection will exit.</source>
        <translation>A balança indica %1, o que nenhuma balança de laboratório pesa. A recolha de dados vai terminar.</translation>
    </message>
    <message>
        <source>The balance reads %1, below zero after its tare. Data collection will exit.</source>
        <translation>A balança indica %1, abaixo de zero após a tara. A recolha de dados vai terminar.</translation>
    </message>
    <message>
        <source>A volume of %1 ml does not fit the wine record&apos;s volume field. Data collection will exit.</source>
        <translation>Um volume de %1 ml não cabe no campo de volume do registo do vinho. A recolha de dados vai terminar.</translation>
    </message>
</context>
<context>
    <name>CollectionRun</name>
    <message>
        <source>The wine&apos;s notes leave no room for the reading times of a run (%1 characters too many). Shorten the comments or the full names, or collect into a new wine.</source>
        <translation>As notas do vinho não deixam espaço para os tempos das leituras de uma recolha (%1 caracteres a mais). Encurte os comentários ou os nomes completos, ou faça a recolha num vinho novo.</translation>
    </message>
    <message>
        <source>The balance is no longer connected (%1). Data collection will exit.</source>
        <translation>A balança já não está ligada (%1). A recolha de dados vai terminar.</translation>
    </message>
    <message>
        <source>The scale could not be read (%1). Data collection will exit.</source>
        <translation>Não foi possível ler a balança (%1). A recolha de dados vai terminar.</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Wine</source>
        <translation>Vinho</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Trial start</source>
        <translation>Início do ensaio</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Index (s)</source>
        <translation>Índice (s)</translation>
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
        <translation>Melhor lei</translation>
    </message>
    <message>
        <source>Exp. (L/m²)</source>
        <translation>Exp. (L/m²)</translation>
    </message>
    <message>
        <source>Power (L/m²)</source>
        <translation>Potência (L/m²)</translation>
    </message>
    <message>
        <source>Best law (L/m²)</source>
        <translation>Melhor lei (L/m²)</translation>
    </message>
    <message>
        <source>Flux decline (%)</source>
        <translation>Queda do fluxo (%)</translation>
    </message>
    <message>
        <source>The chart shows the first %1 of the %2 trials, in the table&apos;s order; the other %3 are in the table only.</source>
        <translation>O gráfico mostra os primeiros %1 dos %2 ensaios, pela ordem da tabela; os outros %3 estão apenas na tabela.</translation>
    </message>
</context>
<context>
    <name>ComparisonDocument</name>
    <message>
        <source>Trials compared</source>
        <translation>Ensaios comparados</translation>
    </message>
</context>
<context>
    <name>ConditionsCheck</name>
    <message>
        <source>Wine Name field is blank; please enter a name for this wine.</source>
        <translation>O campo Nome do vinho está vazio; introduza um nome para este vinho.</translation>
    </message>
    <message>
        <source>Wine Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>O campo Nome do vinho contém um carácter de controlo (tabulação ou quebra de linha); remova-o.</translation>
    </message>
    <message>
        <source>Filter Name field is blank; please enter a name for this filter.</source>
        <translation>O campo Nome do filtro está vazio; introduza um nome para este filtro.</translation>
    </message>
    <message>
        <source>Filter Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>O campo Nome do filtro contém um carácter de controlo (tabulação ou quebra de linha); remova-o.</translation>
    </message>
    <message>
        <source>Wine Name, Filter Name and Comments are too long to be kept in the wine file. Please shorten them by %1 characters.</source>
        <translation>Nome do vinho, Nome do filtro e Comentários são demasiado longos para o ficheiro do vinho. Encurte-os em %1 caracteres.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.</source>
        <translation>A pressão de laboratório está fora dos limites. Introduza um valor entre 1000 e 0.1.</translation>
    </message>
    <message>
        <source>Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>O diâmetro do filtro de laboratório está fora dos limites. Introduza um valor entre 1000 e 1.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>A pressão máxima em produção está fora dos limites. Introduza um valor entre 1000 e 1.</translation>
    </message>
    <message>
        <source>Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.</source>
        <translation>A área em produção está fora dos limites. Introduza um valor entre 1000 e 0.2.</translation>
    </message>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.</source>
        <translation>O caudal em produção está fora dos limites. Introduza um valor entre 1999 e 0.1.</translation>
    </message>
</context>
<context>
    <name>FoulingAnalysis</name>
    <message>
        <source>Law</source>
        <translation>Lei</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Constante</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>best</source>
        <translation>melhor</translation>
    </message>
    <message>
        <source>not distinguishable from the best</source>
        <translation>não distinguível da melhor</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>não atingido</translation>
    </message>
    <message>
        <source>Points used</source>
        <translation>Pontos usados</translation>
    </message>
    <message>
        <source>Reading times</source>
        <translation>Tempos de leitura</translation>
    </message>
    <message>
        <source>to 0.1 s, as collected</source>
        <translation>a 0,1 s, como recolhidas</translation>
    </message>
    <message>
        <source>whole seconds</source>
        <translation>segundos inteiros</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Melhor descrito por</translation>
    </message>
    <message>
        <source>Vmax lower bound</source>
        <translation>Limite inferior do Vmax</translation>
    </message>
    <message>
        <source>Capacity by Vmax</source>
        <translation>Capacidade pelo Vmax</translation>
    </message>
    <message>
        <source>Best law&apos;s capacity</source>
        <translation>Capacidade da melhor lei</translation>
    </message>
    <message>
        <source>Production capacity</source>
        <translation>Capacidade em produção</translation>
    </message>
    <message>
        <source>Exponential model estimate</source>
        <translation>Estimativa do modelo exponencial</translation>
    </message>
    <message>
        <source>Power model estimate</source>
        <translation>Estimativa do modelo de potência</translation>
    </message>
    <message>
        <source>Flux decline</source>
        <translation>Declínio do fluxo</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Índice de colmatagem</translation>
    </message>
    <message>
        <source>complete blocking</source>
        <translation>bloqueio completo</translation>
    </message>
    <message>
        <source>intermediate blocking</source>
        <translation>bloqueio intermédio</translation>
    </message>
    <message>
        <source>standard blocking</source>
        <translation>bloqueio padrão</translation>
    </message>
    <message>
        <source>cake filtration</source>
        <translation>filtração com bolo</translation>
    </message>
    <message>
        <source>the law is clear and follows the trial</source>
        <translation>a lei é clara e segue o ensaio</translation>
    </message>
    <message>
        <source>the trial cannot tell the laws apart</source>
        <translation>o ensaio não permite distinguir as leis</translation>
    </message>
    <message>
        <source>%1 leaves runs in its residuals, it does not follow the trial closely (did the pressure wobble or drift?)</source>
        <translation>%1 deixa sequências nos resíduos, não segue de perto o ensaio (a pressão oscilou ou derivou?)</translation>
    </message>
    <message>
        <source>doubtful: %1</source>
        <translation>duvidoso: %1</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>duvidoso</translation>
    </message>
    <message>
        <source>the lowest capacity of the laws the trial cannot tell apart</source>
        <translation>a capacidade mais baixa das leis que o ensaio não distingue</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Capacity to rely on</source>
        <translation>Capacidade a considerar</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>not fitted</source>
        <translation>não ajustada</translation>
    </message>
    <message>
        <source>best</source>
        <translation>melhor</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>Pontos medidos</translation>
    </message>
    <message>
        <source>Unused data</source>
        <translation>Dados não usados</translation>
    </message>
    <message>
        <source>Max Resistance</source>
        <translation>Resistência máx</translation>
    </message>
    <message>
        <source>Power Model Curve</source>
        <translation>Modelo potência</translation>
    </message>
    <message>
        <source>Exponential Curve</source>
        <translation>Curva exponencial</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Pontos medidos</translation>
    </message>
    <message>
        <source>Unused Data</source>
        <translation>Dados não usados</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>A file with that name already exists. Overwrite it?</source>
        <translation>Já existe um ficheiro com esse nome. Substituí-lo?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Data is insufficient to calculate fouling constants.</source>
        <translation>Os dados são insuficientes para calcular as constantes de colmatagem.</translation>
    </message>
    <message>
        <source>The filtration conditions are missing or out of range. Please check them with Edit Conditions. Unable to calculate.</source>
        <translation>As condições de filtração faltam ou estão fora dos limites. Verifique-as com Editar condições. Não é possível calcular.</translation>
    </message>
    <message>
        <source>A volume in the data is too large or too small to calculate with. Unable to calculate.</source>
        <translation>Um volume nos dados é demasiado grande ou demasiado pequeno para calcular. Não é possível calcular.</translation>
    </message>
    <message>
        <source>Rm is greater than the allowable production resistance. If the data and conditions are correct then this filtration should foul extremely rapidly.</source>
        <translation>Rm é maior do que a resistência admissível em produção. Se os dados e as condições estiverem certos, esta filtração deverá colmatar muito depressa.</translation>
    </message>
    <message>
        <source>No fouling was observed. Either the volume passed was insufficient to foul the filter or perhaps pressure rose during the trial. Expected volume cannot be estimated.</source>
        <translation>Não foi observada colmatagem. O volume filtrado foi insuficiente para colmatar o filtro ou a pressão subiu durante o ensaio. O volume esperado não pode ser estimado.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Rm is greater than maximum allowable production resistance.</source>
        <translation>O volume esperado não pode ser calculado pelo modelo de potência. Rm é maior do que a resistência máxima admissível em produção.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Its exponent b is zero or too close to zero.</source>
        <translation>O volume esperado não pode ser calculado pelo modelo de potência. O seu expoente b é zero ou demasiado próximo de zero.</translation>
    </message>
    <message>
        <source>The resistances are too high for the Power Model. Its results are left blank.</source>
        <translation>As resistências são demasiado altas para o modelo de potência. Os seus resultados ficam em branco.</translation>
    </message>
    <message>
        <source>The Power Model cannot be fitted to these data. Its results are left blank.</source>
        <translation>O modelo de potência não pode ser ajustado a estes dados. Os seus resultados ficam em branco.</translation>
    </message>
    <message>
        <source>The Power Model has no value at a V/A of 0.000. Those rows show no Power Model resistance.</source>
        <translation>O modelo de potência não tem valor para um V/A de 0.000. Essas linhas não mostram resistência do modelo de potência.</translation>
    </message>
    <message>
        <source>Error reading the data file.</source>
        <translation>Erro ao ler o ficheiro de dados.</translation>
    </message>
    <message>
        <source>There is an error in the data entry. Please correct it and retry, or cancel. (Volume increments must be greater than 0.1 ml.)</source>
        <translation>Há um erro nos dados introduzidos. Corrija-o e tente de novo, ou cancele. (Os incrementos de volume devem ser superiores a 0.1 ml.)</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>it is the wine file %1, which the output is made from</source>
        <translation>é o ficheiro de vinho %1, a partir do qual o resultado é produzido</translation>
    </message>
    <message>
        <source>it is a wine file, which an output never replaces</source>
        <translation>é um ficheiro de vinho, que um resultado nunca substitui</translation>
    </message>
    <message>
        <source>the file has other names (hard links), which would all change with it</source>
        <translation>o ficheiro tem outros nomes (ligações físicas), que mudariam todos com ele</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagem como</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>A imagem não foi guardada em %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Não foi possível guardar a imagem em %1.</translation>
    </message>
</context>
<context>
    <name>ProgramConf</name>
    <message>
        <source>%1 [lab] terminal_flux_share = %2 is not a share above 0 and below 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] terminal_flux_share = %2 não é uma fração maior que 0 e menor que 1; as definições do laboratório tomam os valores predefinidos.</translation>
    </message>
    <message>
        <source>%1 [lab] safety_factor = %2 is not a number of at least 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] safety_factor = %2 não é um número de pelo menos 1; as definições do laboratório tomam os valores predefinidos.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a section, a &quot;key = value&quot; line or a comment; it is ignored.</source>
        <translation>%1, linha %2: não é uma secção, uma linha &quot;chave = valor&quot; nem um comentário; é ignorada.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a &quot;key = value&quot; line or a comment; every setting of [%3] is taken at its default.</source>
        <translation>%1, linha %2: não é uma linha &quot;chave = valor&quot; nem um comentário; todas as definições de [%3] tomam o valor predefinido.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); every setting in it is taken at its default.</source>
        <translation>Não foi possível ler %1 (%2); todas as suas definições tomam o valor predefinido.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Colar</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>Ficheiros PDF|*.pdf</translation>
    </message>
    <message>
        <source>CSV files|*.csv|JSON files|*.json</source>
        <translation>Ficheiros CSV|*.csv|Ficheiros JSON|*.json</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Nada foi escrito: %1.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the file. Nothing was written.</source>
        <translation>Erro de E/S do tipo %1 ao escrever o ficheiro. Nada foi escrito.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>not used by the fouling fits</source>
        <translation>não usado nos ajustes de colmatagem</translation>
    </message>
    <message>
        <source>Fouling analysis</source>
        <translation>Análise da colmatagem</translation>
    </message>
    <message>
        <source>Laboratory-scale graph</source>
        <translation>Gráfico de laboratório</translation>
    </message>
    <message>
        <source>Production-scale graph</source>
        <translation>Gráfico de produção</translation>
    </message>
    <message>
        <source>Filterability report: </source>
        <translation>Relatório de filtrabilidade: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>ZEPHRA filterability report</source>
        <translation>Relatório de filtrabilidade ZEPHRA</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filtro: </translation>
    </message>
    <message>
        <source>Wine type: </source>
        <translation>Tipo de vinho: </translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Licoroso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Trial started: </source>
        <translation>Ensaio iniciado: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Ficheiro: </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Modificado: </translation>
    </message>
    <message>
        <source>Printed: </source>
        <translation>Impresso: </translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Comments: </source>
        <translation>Comentários: </translation>
    </message>
    <message>
        <source>The graph cannot be drawn: </source>
        <translation>Não é possível desenhar o gráfico: </translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condições de laboratório</translation>
    </message>
    <message>
        <source>Full Scale Conditions</source>
        <translation>Condições de produção</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>pressão</translation>
    </message>
    <message>
        <source>maximum pressure</source>
        <translation>pressão máxima</translation>
    </message>
    <message>
        <source>area</source>
        <translation>área</translation>
    </message>
    <message>
        <source>equivalent volume passed</source>
        <translation>volume equivalente filtrado</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>caudal</translation>
    </message>
    <message>
        <source>average face velocity</source>
        <translation>velocidade frontal média</translation>
    </message>
    <message>
        <source>face velocity</source>
        <translation>velocidade frontal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Wine:</source>
        <translation>Vinho:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Power Fouling Constants</source>
        <translation>Constantes do modelo de potência</translation>
    </message>
    <message>
        <source>Estimated full-scale volume</source>
        <translation>Volume estimado em produção</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>galões</translation>
    </message>
    <message>
        <source>Exponential Fouling Constants</source>
        <translation>Constantes do modelo exponencial</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <source>the trial did not reach 400 ml</source>
        <translation>o ensaio não atingiu 400 ml</translation>
    </message>
    <message>
        <source>the standard law does not describe this trial</source>
        <translation>a lei padrão não descreve este ensaio</translation>
    </message>
    <message>
        <source>exponential model %1, power model %2 (production filter)</source>
        <translation>modelo exponencial %1, modelo de potência %2 (filtro de produção)</translation>
    </message>
    <message>
        <source>Not enough data for a verdict: run the trial longer.</source>
        <translation>Dados insuficientes para um veredicto: prolongue o ensaio.</translation>
    </message>
    <message>
        <source>Index not comparable at these conditions: judge by the capacity.</source>
        <translation>Índice não comparável nestas condições: avalie pela capacidade.</translation>
    </message>
    <message>
        <source>The trial did not reach 400 ml: no index; judge by the capacity.</source>
        <translation>O ensaio não atingiu 400 ml: sem índice; avalie pela capacidade.</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Índice de colmatagem</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Melhor descrito por</translation>
    </message>
    <message>
        <source>Capacity by the models</source>
        <translation>Capacidade pelos modelos</translation>
    </message>
    <message>
        <source>Capacity by the analysis</source>
        <translation>Capacidade pela análise</translation>
    </message>
    <message>
        <source>doubtful: see the capacity by the analysis</source>
        <translation>duvidoso: ver a capacidade segundo a análise</translation>
    </message>
    <message>
        <source>Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm membrane at %4; the pore size is not recorded, %5 µm is assumed.</source>
        <translation>Classes segundo Romat (2014): limites %1 / %2 / %3 s, para uma membrana de 25 mm a %4; a porosidade não é registada, assume-se %5 µm.</translation>
    </message>
</context>
<context>
    <name>ReportSource</name>
    <message>
        <source>not saved</source>
        <translation>não guardado</translation>
    </message>
    <message>
        <source> (changed since, not saved)</source>
        <translation> (alterado desde então, não guardado)</translation>
    </message>
</context>
<context>
    <name>ScaleConnection</name>
    <message>
        <source>I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.</source>
        <translation>Erro de E/S do tipo %1 ao escrever o ficheiro de ambiente ZEPHRA.DAT.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.</source>
        <translation>Erro de E/S do tipo %1 ao escrever as definições da balança BALANCE.CONF.</translation>
    </message>
</context>
<context>
    <name>ShownConditions</name>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>O caudal em produção está fora dos limites. Introduza um valor entre %1 e %2 %3.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>A pressão de laboratório está fora dos limites. Introduza um valor entre %1 e %2 %3.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>A pressão máxima em produção está fora dos limites. Introduza um valor entre %1 e %2 %3.</translation>
    </message>
</context>
<context>
    <name>VmaxTracker</name>
    <message>
        <source>capacity %1, %2</source>
        <translation>capacidade %1, %2</translation>
    </message>
    <message>
        <source>capacity %1 L/m² (95 %: %2–%3) by %4</source>
        <translation>capacidade %1 L/m² (95 %: %2–%3) segundo %4</translation>
    </message>
    <message>
        <source>doubtful: %1 does not follow the trial closely</source>
        <translation>duvidoso: %1 não segue de perto o ensaio</translation>
    </message>
</context>
<context>
    <name>WineFile</name>
    <message>
        <source>The file would be too large: the wine&apos;s notes (comments, full names, reading times) do not fit after the record. Shorten the comments and save again.</source>
        <translation>O ficheiro ficaria demasiado grande: as notas do vinho (comentários, nomes completos, tempos de leitura) não cabem depois do registo. Encurte os comentários e grave novamente.</translation>
    </message>
    <message>
        <source>The notes after the wine record could not be read by this version of the program; saving the wine&apos;s new notes replaces them, and their comments, full names and reading times are lost.</source>
        <translation>As notas a seguir ao registo do vinho não puderam ser lidas por esta versão do programa; guardar as novas notas do vinho substitui-as, e os seus comentários, nomes completos e horas das leituras perdem-se.</translation>
    </message>
</context>
<context>
    <name>zephra::CollectionSession</name>
    <message>
        <source>Data collection is in progress. Strike &apos;X&apos; key to stop data collection first.</source>
        <translation>A recolha de dados está em curso. Prima a tecla &apos;X&apos; para a parar primeiro.</translation>
    </message>
</context>
<context>
    <name>zephra::CompareTrialsWindow</name>
    <message>
        <source>Compare Trials</source>
        <translation>Comparar ensaios</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Adicionar ficheiros...</translation>
    </message>
    <message>
        <source>Export Table...</source>
        <translation>Exportar tabela...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exportar PDF...</translation>
    </message>
</context>
<context>
    <name>zephra::FilterSizingWindow</name>
    <message>
        <source>Batch volume:</source>
        <translation>Volume do lote:</translation>
    </message>
    <message>
        <source>Safety factor:</source>
        <translation>Fator de segurança:</translation>
    </message>
    <message>
        <source>Element area:</source>
        <translation>Área do elemento:</translation>
    </message>
    <message>
        <source>m² (optional)</source>
        <translation>m² (opcional)</translation>
    </message>
    <message>
        <source>Production flow:</source>
        <translation>Caudal de produção:</translation>
    </message>
    <message>
        <source>Filter Sizing — </source>
        <translation>Dimensionamento do filtro — </translation>
    </message>
    <message>
        <source>Enter the batch volume.</source>
        <translation>Introduza o volume do lote.</translation>
    </message>
    <message>
        <source>The safety factor must be a number of at least 1.</source>
        <translation>O fator de segurança deve ser um número de pelo menos 1.</translation>
    </message>
    <message>
        <source>The element area must be a positive number of m², or empty.</source>
        <translation>A área do elemento deve ser um número positivo de m², ou vazia.</translation>
    </message>
    <message>
        <source>The production flow must be a positive number, or empty.</source>
        <translation>O caudal de produção deve ser um número positivo, ou vazio.</translation>
    </message>
</context>
<context>
    <name>zephra::FoulingAnalysisWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Guardar imagem como...</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Copiar tabela</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Análise da colmatagem</translation>
    </message>
    <message>
        <source>Vmax and the capacity come from the standard blocking law: a constant-pressure estimate without a safety factor.</source>
        <translation>O Vmax e a capacidade vêm da lei de colmatagem padrão: uma estimativa a pressão constante sem fator de segurança.</translation>
    </message>
</context>
<context>
    <name>zephra::GraphWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Guardar imagem como...</translation>
    </message>
</context>
<context>
    <name>zephra::HelpWindow</name>
    <message>
        <source>ZEPHRA Help</source>
        <translation>Ajuda do ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>The language could not be kept in %1: %2.</source>
        <translation>Não foi possível guardar o idioma em %1: %2.</translation>
    </message>
    <message>
        <source>The language changes when ZEPHRA starts again.</source>
        <translation>O idioma muda no próximo arranque do ZEPHRA.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the language is not kept.</source>
        <translation>Não foi possível ler %1 (%2), por isso não é substituído; o idioma não é guardado.</translation>
    </message>
</context>
<context>
    <name>zephra::TAboutBox</name>
    <message>
        <source>About ORVANE ZEPHRA</source>
        <translation>Acerca do ORVANE ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::TCOMDlg</name>
    <message>
        <source>Set scale connection</source>
        <translation>Ligação da balança</translation>
    </message>
    <message>
        <source>Select the COM port to which the scale is connected</source>
        <translation>Escolha a porta COM da balança</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balança</translation>
    </message>
    <message>
        <source>Dialect</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Auto (detect)</source>
        <translation>Auto (detetar)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>A balance on the network, in place of the COM port; empty for the COM port</source>
        <translation>Uma balança na rede, em vez da porta COM; vazio para a porta COM</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Controlo</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detetar</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>&lt;&lt; Balance</source>
        <translation>&lt;&lt; Balança</translation>
    </message>
    <message>
        <source>Balance &gt;&gt;</source>
        <translation>Balança &gt;&gt;</translation>
    </message>
    <message>
        <source>The network address must be tcp://HOST:PORT.</source>
        <translation>O endereço de rede deve ser tcp://HOST:PORTA.</translation>
    </message>
    <message>
        <source>Choose a COM port or enter a network address.</source>
        <translation>Escolha uma porta COM ou introduza um endereço de rede.</translation>
    </message>
    <message>
        <source>Trying every dialect on %1...</source>
        <translation>A testar cada protocolo em %1...</translation>
    </message>
    <message>
        <source>No balance answered on %1 in any dialect. Check the cable, the port and that the balance is on.</source>
        <translation>Nenhuma balança respondeu em %1 em nenhum protocolo. Verifique o cabo, a porta e se a balança está ligada.</translation>
    </message>
    <message>
        <source>Found %1 at %2: %3</source>
        <translation>Encontrada %1 em %2: %3</translation>
    </message>
    <message>
        <source>The rate must be a number of bit/s.</source>
        <translation>A velocidade deve ser um número de bit/s.</translation>
    </message>
    <message>
        <source>Asking %1 for a weight...</source>
        <translation>A pedir um peso a %1...</translation>
    </message>
</context>
<context>
    <name>zephra::TConditionsDlg</name>
    <message>
        <source>Filtration Conditions</source>
        <translation>Condições de filtração</translation>
    </message>
    <message>
        <source>Wine Name</source>
        <translation>Nome do vinho</translation>
    </message>
    <message>
        <source>Filter Name</source>
        <translation>Nome do filtro</translation>
    </message>
    <message>
        <source>Wine Type</source>
        <translation>Tipo de vinho</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Licoroso</translation>
    </message>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condições de laboratório</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Filter Diameter</source>
        <translation>Diâmetro filtro</translation>
    </message>
    <message>
        <source>Full-Scale Conditions</source>
        <translation>Condições de produção</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Pressão máx</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zephra::TDataCollectionDlg</name>
    <message>
        <source>Data Collection</source>
        <translation>Recolha de dados</translation>
    </message>
    <message>
        <source>Time to next read:</source>
        <translation>Leitura em:</translation>
    </message>
    <message>
        <source>Strike &apos;X&apos; key to stop data collection</source>
        <translation>Prima &apos;X&apos; para parar a recolha</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Decorrido:</translation>
    </message>
    <message>
        <source>Points stored:</source>
        <translation>Pontos guardados:</translation>
    </message>
    <message>
        <source>Last reading:</source>
        <translation>Última leitura:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <source>Vmax:</source>
        <translation>Vmax:</translation>
    </message>
    <message>
        <source>Best law:</source>
        <translation>Melhor lei:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>zephra::TDataDlg</name>
    <message>
        <source>Filtration Data</source>
        <translation>Dados de filtração</translation>
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
        <translation>Pontos a ignorar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinLab</name>
    <message>
        <source>Lab Scale Graph</source>
        <translation>Gráfico de laboratório</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinProd</name>
    <message>
        <source>Production Scale Graph</source>
        <translation>Gráfico de produção</translation>
    </message>
</context>
<context>
    <name>zephra::TMDIChild</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Guardar as alterações a %1?</translation>
    </message>
    <message>
        <source>A wine with that file name is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Um vinho com esse nome de ficheiro está aberto noutra janela. Escolha outro nome de ficheiro ou feche essa janela. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 - The file did not get saved.</source>
        <translation>Erro de E/S do tipo %1 - O ficheiro não foi guardado.</translation>
    </message>
    <message>
        <source>Not kept for recovery: %1</source>
        <translation>Não guardado para recuperação: %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Guardar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>zephra::TMainForm</name>
    <message>
        <source>I/O Error type %1 occurred while loading environment file ZEPHRA.DAT. ZEPHRA will have to exit.</source>
        <translation>Erro de E/S do tipo %1 ao carregar o ficheiro de ambiente ZEPHRA.DAT. O ZEPHRA terá de sair.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>New|Create a new wine</source>
        <translation>Novo|Criar um vinho novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open|Open an existing wine file</source>
        <translation>Abrir|Abrir um ficheiro de vinho existente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close|Close the currently active window</source>
        <translation>Fechar|Fechar a janela ativa</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save|Save current wine</source>
        <translation>Guardar|Guardar o vinho atual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save as|Save the current wine with a new file name</source>
        <translation>Guardar como|Guardar o vinho com outro nome de ficheiro</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Exportar &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF|Write the lab report of the current wine as a PDF file</source>
        <translation>Exportar PDF|Escrever o relatório de laboratório do vinho em PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print|Print the lab report of the current wine</source>
        <translation>Imprimir|Imprimir o relatório de laboratório do vinho</translation>
    </message>
    <message>
        <source>Export Da&amp;ta...</source>
        <translation>Exportar &amp;dados...</translation>
    </message>
    <message>
        <source>Export data|Write the data and results of the current wine as CSV or JSON</source>
        <translation>Exportar dados|Escrever os dados e resultados do vinho em CSV ou JSON</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>Sair|Sair da aplicação</translation>
    </message>
    <message>
        <source>&amp;Edit Conditions</source>
        <translation>Editar &amp;condições</translation>
    </message>
    <message>
        <source>Edit &amp;Data</source>
        <translation>Editar &amp;dados</translation>
    </message>
    <message>
        <source>&amp;Collect New Data</source>
        <translation>&amp;Recolher novos dados</translation>
    </message>
    <message>
        <source>Laboratory Graph</source>
        <translation>Gráfico de laboratório</translation>
    </message>
    <message>
        <source>Production Graph</source>
        <translation>Gráfico de produção</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Análise da colmatagem</translation>
    </message>
    <message>
        <source>Filter Sizing</source>
        <translation>Dimensionamento do filtro</translation>
    </message>
    <message>
        <source>Set Scale Connection</source>
        <translation>Ligação da balança</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Em &amp;cascata</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Em cascata</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaico &amp;horizontal</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Mosaico horizontal</translation>
    </message>
    <message>
        <source>&amp;Tile Vertically</source>
        <translation>Mosaico &amp;vertical</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Mosaico vertical</translation>
    </message>
    <message>
        <source>&amp;Wine</source>
        <translation>&amp;Vinho</translation>
    </message>
    <message>
        <source>Close|Close the current window</source>
        <translation>Fechar|Fechar a janela atual</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>Guardar como|Guardar o ficheiro com outro nome</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dados</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Cascade|Cascade windows</source>
        <translation>Em cascata|Janelas em cascata</translation>
    </message>
    <message>
        <source>Tile|Tile windows horizontally</source>
        <translation>Mosaico|Janelas em mosaico horizontal</translation>
    </message>
    <message>
        <source>Tile|Tile windows vertically</source>
        <translation>Mosaico|Janelas em mosaico vertical</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Compare Trials</source>
        <translation>Comparar ensaios</translation>
    </message>
    <message>
        <source>&amp;US</source>
        <translation>&amp;US</translation>
    </message>
    <message>
        <source>US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them</source>
        <translation>Unidades US|Mostrar psi, galões US, gpm e gpm/m2, como os ficheiros de vinho os guardam</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)</source>
        <translation>Unidades métricas|Mostrar e escrever bar, hL, L/h ou hL/h e L/(m²·h)</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the units hold until ZEPHRA ends.</source>
        <translation>Não foi possível ler %1 (%2), por isso não é substituído; as unidades valem até o ZEPHRA terminar.</translation>
    </message>
    <message>
        <source>The units could not be kept in %1 (%2); they hold until ZEPHRA ends.</source>
        <translation>Não foi possível guardar as unidades em %1 (%2); valem até o ZEPHRA terminar.</translation>
    </message>
</context>
<context>
    <name>zephra::TNewDataDlg</name>
    <message>
        <source>Collect New Data</source>
        <translation>Nova recolha</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Maximum Test Duration (min)</source>
        <translation>Duração máxima do ensaio (min)</translation>
    </message>
    <message>
        <source>Begin Data Collection</source>
        <translation>Iniciar recolha</translation>
    </message>
    <message>
        <source>WARNING: Beginning data collection will</source>
        <translation>ATENÇÃO: iniciar a recolha</translation>
    </message>
    <message>
        <source>erase the existing data set. </source>
        <translation>apagará os dados existentes. </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Density is out of Range. Please enter a value between 2 and 0.1.</source>
        <translation>A densidade está fora dos limites. Introduza um valor entre 2 e 0.1.</translation>
    </message>
</context>
<context>
    <name>zephra::TRecoverDataDlg</name>
    <message>
        <source>Recover Collected Data</source>
        <translation>Recuperar os dados recolhidos</translation>
    </message>
    <message>
        <source>ZEPHRA ended while it was collecting data, before they were saved.

Wine: %1
File: %2
Readings: %3

Restore the readings into a wine window, or discard them?</source>
        <translation>O ZEPHRA terminou durante uma recolha, antes de os dados serem guardados.

Vinho: %1
Ficheiro: %2
Leituras: %3

Restaurar as leituras numa janela de vinho ou descartá-las?</translation>
    </message>
    <message>
        <source>none (the wine was never saved)</source>
        <translation>nenhum (o vinho nunca foi guardado)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>zephra::TWelcomeDlg</name>
    <message>
        <source>How would you like to begin?</source>
        <translation>Como pretende começar?</translation>
    </message>
    <message>
        <source>Open an existing wine file</source>
        <translation>Abrir um ficheiro de vinho existente</translation>
    </message>
    <message>
        <source>Begin with a new wine</source>
        <translation>Começar com um vinho novo</translation>
    </message>
</context>
<context>
    <name>zephra::WineWindows</name>
    <message>
        <source>A file with that name is already open. It must be closed or saved under another name before opening again.  %1</source>
        <translation>Um ficheiro com esse nome já está aberto. Deve ser fechado ou guardado com outro nome antes de o voltar a abrir.  %1</translation>
    </message>
    <message>
        <source>Can not locate file.</source>
        <translation>Não é possível encontrar o ficheiro.</translation>
    </message>
    <message>
        <source>That file is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Esse ficheiro está aberto noutra janela. Escolha outro nome de ficheiro ou feche essa janela. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while saving the wine file. Your data was not saved!</source>
        <translation>Erro de E/S do tipo %1 ao guardar o ficheiro do vinho. Os seus dados não foram guardados!</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Ficheiro guardado</translation>
    </message>
    <message>
        <source>Save %1 before closing?</source>
        <translation>Guardar %1 antes de fechar?</translation>
    </message>
    <message>
        <source>The readings stay in %1.</source>
        <translation>As leituras ficam em %1.</translation>
    </message>
</context>
<context>
    <name>zephra::serial::ui::PortSettingsDialog</name>
    <message>
        <source>Port Settings - %1</source>
        <translation>Definições da porta - %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
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
        <translation>&amp;Bits por segundo:</translation>
    </message>
    <message>
        <source>&amp;Data bits:</source>
        <translation>Bits de &amp;dados:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Paridade:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bits de &amp;paragem:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Controlo de fluxo:</translation>
    </message>
</context>
</TS>
