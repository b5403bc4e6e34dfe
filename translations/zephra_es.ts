<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
</context>
<context>
    <name>Balance</name>
    <message>
        <source>The balance reports an overload.</source>
        <translation>La balanza indica una sobrecarga.</translation>
    </message>
    <message>
        <source>The balance reports an underload.</source>
        <translation>La balanza indica una carga insuficiente.</translation>
    </message>
    <message>
        <source>The balance is busy and gives no weight.</source>
        <translation>La balanza está ocupada y no da ningún peso.</translation>
    </message>
    <message>
        <source>The balance reports an error (%1).</source>
        <translation>La balanza indica un error (%1).</translation>
    </message>
    <message>
        <source>The balance weighs in &quot;%1&quot;, which cannot be converted to grams. Set the balance to grams.</source>
        <translation>La balanza pesa en &quot;%1&quot;, que no se puede convertir a gramos. Configure la balanza en gramos.</translation>
    </message>
    <message>
        <source>The balance reads %1, beyond the range of a laboratory balance (100 kg).</source>
        <translation>La balanza indica %1, fuera del alcance de una balanza de laboratorio (100 kg).</translation>
    </message>
    <message>
        <source>The balance&apos;s port could not be opened (%1).</source>
        <translation>No se ha podido abrir el puerto de la balanza (%1).</translation>
    </message>
</context>
<context>
    <name>CollectedDataRecovery</name>
    <message>
        <source>It was left where it is.</source>
        <translation>Se dejó donde está.</translation>
    </message>
    <message>
        <source>It was moved to %1.</source>
        <translation>Se movió a %1.</translation>
    </message>
    <message>
        <source>The recovery journal %1 could not be read (%2). %3</source>
        <translation>No se pudo leer el registro de recuperación %1 (%2). %3</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message>
        <source>The balance reads %1, which no laboratory balance weighs. Data collection will exit.</source>
        <translation>La balanza indica %1, que ninguna balanza de laboratorio pesa. La recogida de datos terminará.</translation>
    </message>
    <message>
        <source>The balance reads %1, below zero after its tare. Data collection will exit.</source>
        <translation>La balanza indica %1, por debajo de cero tras la tara. La recogida de datos terminará.</translation>
    </message>
    <message>
        <source>A volume of %1 ml does not fit the wine record&apos;s volume field. Data collection will exit.</source>
        <translation>Un volumen de %1 ml no cabe en el campo de volumen del registro del vino. La recogida de datos terminará.</translation>
    </message>
</context>
<context>
    <name>CollectionRun</name>
    <message>
        <source>The wine&apos;s notes leave no room for the reading times of a run (%1 characters too many). Shorten the comments or the full names, or collect into a new wine.</source>
        <translation>Las notas del vino no dejan espacio para los tiempos de las lecturas de una adquisición (%1 caracteres de más). Acorte los comentarios o los nombres completos, o realice la adquisición en un vino nuevo.</translation>
    </message>
    <message>
        <source>The balance is no longer connected (%1). Data collection will exit.</source>
        <translation>La balanza ya no está conectada (%1). La adquisición de datos terminará.</translation>
    </message>
    <message>
        <source>The scale could not be read (%1). Data collection will exit.</source>
        <translation>No se ha podido leer la balanza (%1). La adquisición de datos terminará.</translation>
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
        <translation>Inicio del ensayo</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Index (s)</source>
        <translation>Índice (s)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Clase</translation>
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
        <translation>Mejor ley</translation>
    </message>
    <message>
        <source>Exp. (L/m²)</source>
        <translation>Exp. (L/m²)</translation>
    </message>
    <message>
        <source>Power (L/m²)</source>
        <translation>Potencia (L/m²)</translation>
    </message>
    <message>
        <source>Best law (L/m²)</source>
        <translation>Mejor ley (L/m²)</translation>
    </message>
    <message>
        <source>Flux decline (%)</source>
        <translation>Caída del flujo (%)</translation>
    </message>
    <message>
        <source>The chart shows the first %1 of the %2 trials, in the table&apos;s order; the other %3 are in the table only.</source>
        <translation>El gráfico muestra los primeros %1 de los %2 ensayos, en el orden de la tabla; los otros %3 solo están en la tabla.</translation>
    </message>
</context>
<context>
    <name>ComparisonDocument</name>
    <message>
        <source>Trials compared</source>
        <translation>Ensayos comparados</translation>
    </message>
</context>
<context>
    <name>ConditionsCheck</name>
    <message>
        <source>Wine Name field is blank; please enter a name for this wine.</source>
        <translation>El campo Nombre del vino está vacío; introduzca un nombre para este vino.</translation>
    </message>
    <message>
        <source>Wine Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>El campo Nombre del vino contiene un carácter de control (tabulación o salto de línea); elimínelo.</translation>
    </message>
    <message>
        <source>Filter Name field is blank; please enter a name for this filter.</source>
        <translation>El campo Nombre del filtro está vacío; introduzca un nombre para este filtro.</translation>
    </message>
    <message>
        <source>Filter Name field holds a control character (such as a tab or a line break); please remove it.</source>
        <translation>El campo Nombre del filtro contiene un carácter de control (tabulación o salto de línea); elimínelo.</translation>
    </message>
    <message>
        <source>Wine Name, Filter Name and Comments are too long to be kept in the wine file. Please shorten them by %1 characters.</source>
        <translation>Nombre del vino, Nombre del filtro y Comentarios son demasiado largos para el archivo del vino. Acórtelos en %1 caracteres.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.</source>
        <translation>La presión de laboratorio está fuera de rango. Introduzca un valor entre 1000 y 0.1.</translation>
    </message>
    <message>
        <source>Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>El diámetro del filtro de laboratorio está fuera de rango. Introduzca un valor entre 1000 y 1.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.</source>
        <translation>La presión máxima en producción está fuera de rango. Introduzca un valor entre 1000 y 1.</translation>
    </message>
    <message>
        <source>Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.</source>
        <translation>La superficie en producción está fuera de rango. Introduzca un valor entre 1000 y 0.2.</translation>
    </message>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.</source>
        <translation>El caudal en producción está fuera de rango. Introduzca un valor entre 1999 y 0.1.</translation>
    </message>
</context>
<context>
    <name>FoulingAnalysis</name>
    <message>
        <source>Law</source>
        <translation>Ley</translation>
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
        <translation>mejor</translation>
    </message>
    <message>
        <source>not distinguishable from the best</source>
        <translation>no distinguible de la mejor</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>Points used</source>
        <translation>Puntos usados</translation>
    </message>
    <message>
        <source>Reading times</source>
        <translation>Tiempos de lectura</translation>
    </message>
    <message>
        <source>to 0.1 s, as collected</source>
        <translation>a 0,1 s, como se adquirieron</translation>
    </message>
    <message>
        <source>whole seconds</source>
        <translation>segundos enteros</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Mejor descrito por</translation>
    </message>
    <message>
        <source>Vmax lower bound</source>
        <translation>Límite inferior de Vmax</translation>
    </message>
    <message>
        <source>Capacity by Vmax</source>
        <translation>Capacidad según Vmax</translation>
    </message>
    <message>
        <source>Best law&apos;s capacity</source>
        <translation>Capacidad de la mejor ley</translation>
    </message>
    <message>
        <source>Production capacity</source>
        <translation>Capacidad en producción</translation>
    </message>
    <message>
        <source>Exponential model estimate</source>
        <translation>Estimación del modelo exponencial</translation>
    </message>
    <message>
        <source>Power model estimate</source>
        <translation>Estimación del modelo potencial</translation>
    </message>
    <message>
        <source>Flux decline</source>
        <translation>Descenso del flujo</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Índice de colmatación</translation>
    </message>
    <message>
        <source>complete blocking</source>
        <translation>bloqueo completo</translation>
    </message>
    <message>
        <source>intermediate blocking</source>
        <translation>bloqueo intermedio</translation>
    </message>
    <message>
        <source>standard blocking</source>
        <translation>bloqueo estándar</translation>
    </message>
    <message>
        <source>cake filtration</source>
        <translation>filtración con torta</translation>
    </message>
    <message>
        <source>the law is clear and follows the trial</source>
        <translation>la ley es clara y sigue el ensayo</translation>
    </message>
    <message>
        <source>the trial cannot tell the laws apart</source>
        <translation>el ensayo no permite distinguir las leyes</translation>
    </message>
    <message>
        <source>%1 leaves runs in its residuals, it does not follow the trial closely (did the pressure wobble or drift?)</source>
        <translation>%1 deja rachas en sus residuos, no sigue de cerca el ensayo (¿osciló o derivó la presión?)</translation>
    </message>
    <message>
        <source>doubtful: %1</source>
        <translation>dudoso: %1</translation>
    </message>
    <message>
        <source>doubtful</source>
        <translation>dudoso</translation>
    </message>
    <message>
        <source>the lowest capacity of the laws the trial cannot tell apart</source>
        <translation>la capacidad más baja de las leyes que el ensayo no distingue</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Capacity to rely on</source>
        <translation>Capacidad a considerar</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>not fitted</source>
        <translation>no ajustada</translation>
    </message>
    <message>
        <source>best</source>
        <translation>mejor</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>Puntos de datos</translation>
    </message>
    <message>
        <source>Unused data</source>
        <translation>Datos no usados</translation>
    </message>
    <message>
        <source>Max Resistance</source>
        <translation>Resistencia máx</translation>
    </message>
    <message>
        <source>Power Model Curve</source>
        <translation>Modelo potencial</translation>
    </message>
    <message>
        <source>Exponential Curve</source>
        <translation>Curva exponencial</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>Puntos de datos</translation>
    </message>
    <message>
        <source>Unused Data</source>
        <translation>Datos no usados</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>A file with that name already exists. Overwrite it?</source>
        <translation>Ya existe un archivo con ese nombre. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Los datos son insuficientes para calcular las constantes de colmatación.</translation>
    </message>
    <message>
        <source>The filtration conditions are missing or out of range. Please check them with Edit Conditions. Unable to calculate.</source>
        <translation>Faltan las condiciones de filtración o están fuera de rango. Revíselas con Editar condiciones. No se puede calcular.</translation>
    </message>
    <message>
        <source>A volume in the data is too large or too small to calculate with. Unable to calculate.</source>
        <translation>Un volumen de los datos es demasiado grande o demasiado pequeño para calcular. No se puede calcular.</translation>
    </message>
    <message>
        <source>Rm is greater than the allowable production resistance. If the data and conditions are correct then this filtration should foul extremely rapidly.</source>
        <translation>Rm supera la resistencia admisible en producción. Si los datos y las condiciones son correctos, esta filtración debería colmatarse con extrema rapidez.</translation>
    </message>
    <message>
        <source>No fouling was observed. Either the volume passed was insufficient to foul the filter or perhaps pressure rose during the trial. Expected volume cannot be estimated.</source>
        <translation>No se observó colmatación. El volumen filtrado fue insuficiente para colmatar el filtro o quizá la presión subió durante el ensayo. No se puede estimar el volumen esperado.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Rm is greater than maximum allowable production resistance.</source>
        <translation>No se puede calcular el volumen esperado con el modelo potencial. Rm supera la resistencia máxima admisible en producción.</translation>
    </message>
    <message>
        <source>Expected volume cannot be calculated from Power Model. Its exponent b is zero or too close to zero.</source>
        <translation>No se puede calcular el volumen esperado con el modelo potencial. Su exponente b es cero o está demasiado cerca de cero.</translation>
    </message>
    <message>
        <source>The resistances are too high for the Power Model. Its results are left blank.</source>
        <translation>Las resistencias son demasiado altas para el modelo potencial. Sus resultados quedan en blanco.</translation>
    </message>
    <message>
        <source>The Power Model cannot be fitted to these data. Its results are left blank.</source>
        <translation>El modelo potencial no se puede ajustar a estos datos. Sus resultados quedan en blanco.</translation>
    </message>
    <message>
        <source>The Power Model has no value at a V/A of 0.000. Those rows show no Power Model resistance.</source>
        <translation>El modelo potencial no tiene valor para un V/A de 0.000. Esas filas no muestran resistencia del modelo potencial.</translation>
    </message>
    <message>
        <source>Error reading the data file.</source>
        <translation>Error al leer el archivo de datos.</translation>
    </message>
    <message>
        <source>There is an error in the data entry. Please correct it and retry, or cancel. (Volume increments must be greater than 0.1 ml.)</source>
        <translation>Hay un error en los datos introducidos. Corríjalo y vuelva a intentarlo, o cancele. (Los incrementos de volumen deben superar 0.1 ml.)</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>it is the wine file %1, which the output is made from</source>
        <translation>es el archivo de vino %1, a partir del cual se genera el resultado</translation>
    </message>
    <message>
        <source>it is a wine file, which an output never replaces</source>
        <translation>es un archivo de vino, que un resultado nunca reemplaza</translation>
    </message>
    <message>
        <source>the file has other names (hard links), which would all change with it</source>
        <translation>el archivo tiene otros nombres (enlaces duros), que cambiarían todos con él</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>La imagen no se guardó en %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>No se pudo guardar la imagen en %1.</translation>
    </message>
</context>
<context>
    <name>ProgramConf</name>
    <message>
        <source>%1 [lab] terminal_flux_share = %2 is not a share above 0 and below 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] terminal_flux_share = %2 no es una fracción mayor que 0 y menor que 1; los ajustes del laboratorio toman sus valores predeterminados.</translation>
    </message>
    <message>
        <source>%1 [lab] safety_factor = %2 is not a number of at least 1; the lab settings are taken at their defaults.</source>
        <translation>%1 [lab] safety_factor = %2 no es un número de al menos 1; los ajustes del laboratorio toman sus valores predeterminados.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a section, a &quot;key = value&quot; line or a comment; it is ignored.</source>
        <translation>%1, línea %2: no es una sección, una línea &quot;clave = valor&quot; ni un comentario; se ignora.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a &quot;key = value&quot; line or a comment; every setting of [%3] is taken at its default.</source>
        <translation>%1, línea %2: no es una línea &quot;clave = valor&quot; ni un comentario; todos los ajustes de [%3] toman su valor predeterminado.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); every setting in it is taken at its default.</source>
        <translation>No se pudo leer %1 (%2); todos sus ajustes toman su valor predeterminado.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>PDF files|*.pdf</source>
        <translation>Archivos PDF|*.pdf</translation>
    </message>
    <message>
        <source>CSV files|*.csv|JSON files|*.json</source>
        <translation>Archivos CSV|*.csv|Archivos JSON|*.json</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>No se escribió nada: %1.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the file. Nothing was written.</source>
        <translation>Error de E/S de tipo %1 al escribir el archivo. No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>not used by the fouling fits</source>
        <translation>no usado en los ajustes de colmatación</translation>
    </message>
    <message>
        <source>Fouling analysis</source>
        <translation>Análisis de colmatación</translation>
    </message>
    <message>
        <source>Laboratory-scale graph</source>
        <translation>Gráfico de laboratorio</translation>
    </message>
    <message>
        <source>Production-scale graph</source>
        <translation>Gráfico de producción</translation>
    </message>
    <message>
        <source>Filterability report: </source>
        <translation>Informe de filtrabilidad: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>ZEPHRA filterability report</source>
        <translation>Informe de filtrabilidad ZEPHRA</translation>
    </message>
    <message>
        <source>Filter: </source>
        <translation>Filtro: </translation>
    </message>
    <message>
        <source>Wine type: </source>
        <translation>Tipo de vino: </translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Dulce</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Trial started: </source>
        <translation>Ensayo iniciado: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source>Modified: </source>
        <translation>Modificado: </translation>
    </message>
    <message>
        <source>Printed: </source>
        <translation>Impreso: </translation>
    </message>
</context>
<context>
    <name>ReportPainter</name>
    <message>
        <source>Comments: </source>
        <translation>Comentarios: </translation>
    </message>
    <message>
        <source>The graph cannot be drawn: </source>
        <translation>No se puede dibujar el gráfico: </translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condiciones de laboratorio</translation>
    </message>
    <message>
        <source>Full Scale Conditions</source>
        <translation>Condiciones de producción</translation>
    </message>
    <message>
        <source>pressure</source>
        <translation>presión</translation>
    </message>
    <message>
        <source>maximum pressure</source>
        <translation>presión máxima</translation>
    </message>
    <message>
        <source>area</source>
        <translation>superficie</translation>
    </message>
    <message>
        <source>equivalent volume passed</source>
        <translation>volumen equival. filtrado</translation>
    </message>
    <message>
        <source>rate</source>
        <translation>caudal</translation>
    </message>
    <message>
        <source>average face velocity</source>
        <translation>velocidad frontal media</translation>
    </message>
    <message>
        <source>face velocity</source>
        <translation>velocidad frontal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
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
        <translation>Constantes del modelo potencial</translation>
    </message>
    <message>
        <source>Estimated full-scale volume</source>
        <translation>Volumen estimado en producción</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>galones</translation>
    </message>
    <message>
        <source>Exponential Fouling Constants</source>
        <translation>Constantes del modelo exponencial</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <source>the trial did not reach 400 ml</source>
        <translation>el ensayo no llegó a 400 ml</translation>
    </message>
    <message>
        <source>the standard law does not describe this trial</source>
        <translation>la ley estándar no describe este ensayo</translation>
    </message>
    <message>
        <source>exponential model %1, power model %2 (production filter)</source>
        <translation>modelo exponencial %1, modelo potencial %2 (filtro de producción)</translation>
    </message>
    <message>
        <source>Not enough data for a verdict: run the trial longer.</source>
        <translation>Datos insuficientes para un veredicto: prolongue el ensayo.</translation>
    </message>
    <message>
        <source>Index not comparable at these conditions: judge by the capacity.</source>
        <translation>Índice no comparable en estas condiciones: juzgue por la capacidad.</translation>
    </message>
    <message>
        <source>The trial did not reach 400 ml: no index; judge by the capacity.</source>
        <translation>El ensayo no llegó a 400 ml: sin índice; juzgue por la capacidad.</translation>
    </message>
    <message>
        <source>Filterability index</source>
        <translation>Índice de colmatación</translation>
    </message>
    <message>
        <source>Best described by</source>
        <translation>Mejor descrito por</translation>
    </message>
    <message>
        <source>Capacity by the models</source>
        <translation>Capacidad según los modelos</translation>
    </message>
    <message>
        <source>Capacity by the analysis</source>
        <translation>Capacidad según el análisis</translation>
    </message>
    <message>
        <source>doubtful: see the capacity by the analysis</source>
        <translation>dudoso: ver la capacidad según el análisis</translation>
    </message>
    <message>
        <source>Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm membrane at %4; the pore size is not recorded, %5 µm is assumed.</source>
        <translation>Clases según Romat (2014): límites %1 / %2 / %3 s, para una membrana de 25 mm a %4; el tamaño de poro no se registra, se supone %5 µm.</translation>
    </message>
</context>
<context>
    <name>ReportSource</name>
    <message>
        <source>not saved</source>
        <translation>no guardado</translation>
    </message>
    <message>
        <source> (changed since, not saved)</source>
        <translation> (cambiado desde entonces, no guardado)</translation>
    </message>
</context>
<context>
    <name>ScaleConnection</name>
    <message>
        <source>I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.</source>
        <translation>Error de E/S de tipo %1 al escribir el archivo de entorno ZEPHRA.DAT.</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.</source>
        <translation>Error de E/S de tipo %1 al escribir la configuración de la balanza BALANCE.CONF.</translation>
    </message>
</context>
<context>
    <name>ShownConditions</name>
    <message>
        <source>Full-Scale Rate is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>El caudal en producción está fuera de rango. Introduzca un valor entre %1 y %2 %3.</translation>
    </message>
    <message>
        <source>Laboratory Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La presión de laboratorio está fuera de rango. Introduzca un valor entre %1 y %2 %3.</translation>
    </message>
    <message>
        <source>Maximum Full-Scale Pressure is out of Range. Please enter a value between %1 and %2 %3.</source>
        <translation>La presión máxima en producción está fuera de rango. Introduzca un valor entre %1 y %2 %3.</translation>
    </message>
</context>
<context>
    <name>VmaxTracker</name>
    <message>
        <source>capacity %1, %2</source>
        <translation>capacidad %1, %2</translation>
    </message>
    <message>
        <source>capacity %1 L/m² (95 %: %2–%3) by %4</source>
        <translation>capacidad %1 L/m² (95 %: %2–%3) según %4</translation>
    </message>
    <message>
        <source>doubtful: %1 does not follow the trial closely</source>
        <translation>dudoso: %1 no sigue de cerca el ensayo</translation>
    </message>
</context>
<context>
    <name>WineFile</name>
    <message>
        <source>The file would be too large: the wine&apos;s notes (comments, full names, reading times) do not fit after the record. Shorten the comments and save again.</source>
        <translation>El archivo sería demasiado grande: las notas del vino (comentarios, nombres completos, tiempos de lectura) no caben tras el registro. Acorte los comentarios y guarde de nuevo.</translation>
    </message>
    <message>
        <source>The notes after the wine record could not be read by this version of the program; saving the wine&apos;s new notes replaces them, and their comments, full names and reading times are lost.</source>
        <translation>Esta versión del programa no pudo leer las notas que siguen a la ficha del vino; guardar las nuevas notas del vino las reemplaza, y se pierden sus comentarios, nombres completos y horas de las lecturas.</translation>
    </message>
</context>
<context>
    <name>zephra::CollectionSession</name>
    <message>
        <source>Data collection is in progress. Strike &apos;X&apos; key to stop data collection first.</source>
        <translation>Hay una adquisición de datos en curso. Pulse la tecla &apos;X&apos; para detenerla primero.</translation>
    </message>
</context>
<context>
    <name>zephra::CompareTrialsWindow</name>
    <message>
        <source>Compare Trials</source>
        <translation>Comparar ensayos</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Añadir archivos...</translation>
    </message>
    <message>
        <source>Export Table...</source>
        <translation>Exportar tabla...</translation>
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
        <translation>Volumen del lote:</translation>
    </message>
    <message>
        <source>Safety factor:</source>
        <translation>Factor de seguridad:</translation>
    </message>
    <message>
        <source>Element area:</source>
        <translation>Superficie del elemento:</translation>
    </message>
    <message>
        <source>m² (optional)</source>
        <translation>m² (opcional)</translation>
    </message>
    <message>
        <source>Production flow:</source>
        <translation>Caudal de producción:</translation>
    </message>
    <message>
        <source>Filter Sizing — </source>
        <translation>Dimensionado del filtro — </translation>
    </message>
    <message>
        <source>Enter the batch volume.</source>
        <translation>Introduzca el volumen del lote.</translation>
    </message>
    <message>
        <source>The safety factor must be a number of at least 1.</source>
        <translation>El factor de seguridad debe ser un número de al menos 1.</translation>
    </message>
    <message>
        <source>The element area must be a positive number of m², or empty.</source>
        <translation>La superficie del elemento debe ser un número positivo de m², o vacía.</translation>
    </message>
    <message>
        <source>The production flow must be a positive number, or empty.</source>
        <translation>El caudal de producción debe ser un número positivo, o vacío.</translation>
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
        <translation>Guardar imagen como...</translation>
    </message>
    <message>
        <source>Copy Table</source>
        <translation>Copiar tabla</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Análisis de colmatación</translation>
    </message>
    <message>
        <source>Vmax and the capacity come from the standard blocking law: a constant-pressure estimate without a safety factor.</source>
        <translation>Vmax y la capacidad provienen de la ley de colmatación estándar: una estimación a presión constante sin factor de seguridad.</translation>
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
        <translation>Guardar imagen como...</translation>
    </message>
</context>
<context>
    <name>zephra::HelpWindow</name>
    <message>
        <source>ZEPHRA Help</source>
        <translation>Ayuda de ZEPHRA</translation>
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
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The language could not be kept in %1: %2.</source>
        <translation>No se pudo guardar el idioma en %1: %2.</translation>
    </message>
    <message>
        <source>The language changes when ZEPHRA starts again.</source>
        <translation>El idioma cambia la próxima vez que se inicie ZEPHRA.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the language is not kept.</source>
        <translation>No se pudo leer %1 (%2), así que no se sobrescribe; el idioma no se guarda.</translation>
    </message>
</context>
<context>
    <name>zephra::TAboutBox</name>
    <message>
        <source>About ORVANE ZEPHRA</source>
        <translation>Acerca de ORVANE ZEPHRA</translation>
    </message>
</context>
<context>
    <name>zephra::TCOMDlg</name>
    <message>
        <source>Set scale connection</source>
        <translation>Conexión de la balanza</translation>
    </message>
    <message>
        <source>Select the COM port to which the scale is connected</source>
        <translation>Elija el puerto COM de la balanza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balanza</translation>
    </message>
    <message>
        <source>Dialect</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Auto (detect)</source>
        <translation>Auto (detectar)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>A balance on the network, in place of the COM port; empty for the COM port</source>
        <translation>Una balanza en red, en lugar del puerto COM; vacío para el puerto COM</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>&lt;&lt; Balance</source>
        <translation>&lt;&lt; Balanza</translation>
    </message>
    <message>
        <source>Balance &gt;&gt;</source>
        <translation>Balanza &gt;&gt;</translation>
    </message>
    <message>
        <source>The network address must be tcp://HOST:PORT.</source>
        <translation>La dirección de red debe ser tcp://HOST:PUERTO.</translation>
    </message>
    <message>
        <source>Choose a COM port or enter a network address.</source>
        <translation>Elija un puerto COM o introduzca una dirección de red.</translation>
    </message>
    <message>
        <source>Trying every dialect on %1...</source>
        <translation>Probando cada protocolo en %1...</translation>
    </message>
    <message>
        <source>No balance answered on %1 in any dialect. Check the cable, the port and that the balance is on.</source>
        <translation>Ninguna balanza respondió en %1 con ningún protocolo. Compruebe el cable, el puerto y que la balanza esté encendida.</translation>
    </message>
    <message>
        <source>Found %1 at %2: %3</source>
        <translation>Encontrada %1 en %2: %3</translation>
    </message>
    <message>
        <source>The rate must be a number of bit/s.</source>
        <translation>La velocidad debe ser un número de bit/s.</translation>
    </message>
    <message>
        <source>Asking %1 for a weight...</source>
        <translation>Pidiendo un peso a %1...</translation>
    </message>
</context>
<context>
    <name>zephra::TConditionsDlg</name>
    <message>
        <source>Filtration Conditions</source>
        <translation>Condiciones de filtración</translation>
    </message>
    <message>
        <source>Wine Name</source>
        <translation>Nombre del vino</translation>
    </message>
    <message>
        <source>Filter Name</source>
        <translation>Nombre del filtro</translation>
    </message>
    <message>
        <source>Wine Type</source>
        <translation>Tipo de vino</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dessert</source>
        <translation>Dulce</translation>
    </message>
    <message>
        <source>Laboratory Conditions</source>
        <translation>Condiciones de laboratorio</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Filter Diameter</source>
        <translation>Diámetro filtro</translation>
    </message>
    <message>
        <source>Full-Scale Conditions</source>
        <translation>Condiciones de producción</translation>
    </message>
    <message>
        <source>Max Pressure</source>
        <translation>Presión máx</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Adquisición de datos</translation>
    </message>
    <message>
        <source>Time to next read:</source>
        <translation>Lectura en:</translation>
    </message>
    <message>
        <source>Strike &apos;X&apos; key to stop data collection</source>
        <translation>Pulse &apos;X&apos; para detener la adquisición</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Transcurrido:</translation>
    </message>
    <message>
        <source>Points stored:</source>
        <translation>Puntos guardados:</translation>
    </message>
    <message>
        <source>Last reading:</source>
        <translation>Última lectura:</translation>
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
        <translation>Mejor ley:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>zephra::TDataDlg</name>
    <message>
        <source>Filtration Data</source>
        <translation>Datos de filtración</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
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
        <translation>Puntos a omitir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Gráfico de laboratorio</translation>
    </message>
</context>
<context>
    <name>zephra::TGraphWinProd</name>
    <message>
        <source>Production Scale Graph</source>
        <translation>Gráfico de producción</translation>
    </message>
</context>
<context>
    <name>zephra::TMDIChild</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>A wine with that file name is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Un vino con ese nombre de archivo está abierto en otra ventana. Elija otro nombre de archivo o cierre esa ventana. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 - The file did not get saved.</source>
        <translation>Error de E/S de tipo %1 - El archivo no se guardó.</translation>
    </message>
    <message>
        <source>Not kept for recovery: %1</source>
        <translation>No conservado para la recuperación: %1</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>¿Guardar de todos modos?</translation>
    </message>
</context>
<context>
    <name>zephra::TMainForm</name>
    <message>
        <source>I/O Error type %1 occurred while loading environment file ZEPHRA.DAT. ZEPHRA will have to exit.</source>
        <translation>Error de E/S de tipo %1 al cargar el archivo de entorno ZEPHRA.DAT. ZEPHRA tendrá que cerrarse.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New|Create a new wine</source>
        <translation>Nuevo|Crear un vino nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open|Open an existing wine file</source>
        <translation>Abrir|Abrir un archivo de vino existente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close|Close the currently active window</source>
        <translation>Cerrar|Cerrar la ventana activa</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save|Save current wine</source>
        <translation>Guardar|Guardar el vino actual</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save as|Save the current wine with a new file name</source>
        <translation>Guardar como|Guardar el vino con otro nombre de archivo</translation>
    </message>
    <message>
        <source>Export &amp;PDF...</source>
        <translation>Exportar &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF|Write the lab report of the current wine as a PDF file</source>
        <translation>Exportar PDF|Escribir el informe de laboratorio del vino en PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print|Print the lab report of the current wine</source>
        <translation>Imprimir|Imprimir el informe de laboratorio del vino</translation>
    </message>
    <message>
        <source>Export Da&amp;ta...</source>
        <translation>Exportar &amp;datos...</translation>
    </message>
    <message>
        <source>Export data|Write the data and results of the current wine as CSV or JSON</source>
        <translation>Exportar datos|Escribir los datos y resultados del vino en CSV o JSON</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit|Exit application</source>
        <translation>Salir|Salir de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Edit Conditions</source>
        <translation>Editar &amp;condiciones</translation>
    </message>
    <message>
        <source>Edit &amp;Data</source>
        <translation>Editar &amp;datos</translation>
    </message>
    <message>
        <source>&amp;Collect New Data</source>
        <translation>&amp;Adquirir datos nuevos</translation>
    </message>
    <message>
        <source>Laboratory Graph</source>
        <translation>Gráfico de laboratorio</translation>
    </message>
    <message>
        <source>Production Graph</source>
        <translation>Gráfico de producción</translation>
    </message>
    <message>
        <source>Fouling Analysis</source>
        <translation>Análisis de colmatación</translation>
    </message>
    <message>
        <source>Filter Sizing</source>
        <translation>Dimensionado del filtro</translation>
    </message>
    <message>
        <source>Set Scale Connection</source>
        <translation>Conexión de la balanza</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>En &amp;cascada</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>En cascada</translation>
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
        <translation>&amp;Vino</translation>
    </message>
    <message>
        <source>Close|Close the current window</source>
        <translation>Cerrar|Cerrar la ventana actual</translation>
    </message>
    <message>
        <source>Save As|Save current file with different name</source>
        <translation>Guardar como|Guardar el archivo con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Cascade|Cascade windows</source>
        <translation>En cascada|Ventanas en cascada</translation>
    </message>
    <message>
        <source>Tile|Tile windows horizontally</source>
        <translation>Mosaico|Ventanas en mosaico horizontal</translation>
    </message>
    <message>
        <source>Tile|Tile windows vertically</source>
        <translation>Mosaico|Ventanas en mosaico vertical</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Compare Trials</source>
        <translation>Comparar ensayos</translation>
    </message>
    <message>
        <source>&amp;US</source>
        <translation>&amp;US</translation>
    </message>
    <message>
        <source>US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them</source>
        <translation>Unidades US|Mostrar psi, galones US, gpm y gpm/m2, como los guardan los archivos de vino</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)</source>
        <translation>Unidades métricas|Mostrar y escribir bar, hL, L/h o hL/h y L/(m²·h)</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it is not written over; the units hold until ZEPHRA ends.</source>
        <translation>No se pudo leer %1 (%2), así que no se sobrescribe; las unidades valen hasta que se cierre ZEPHRA.</translation>
    </message>
    <message>
        <source>The units could not be kept in %1 (%2); they hold until ZEPHRA ends.</source>
        <translation>No se pudieron guardar las unidades en %1 (%2); valen hasta que se cierre ZEPHRA.</translation>
    </message>
</context>
<context>
    <name>zephra::TNewDataDlg</name>
    <message>
        <source>Collect New Data</source>
        <translation>Nueva adquisición</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Maximum Test Duration (min)</source>
        <translation>Duración máxima del ensayo (min)</translation>
    </message>
    <message>
        <source>Begin Data Collection</source>
        <translation>Iniciar adquisición</translation>
    </message>
    <message>
        <source>WARNING: Beginning data collection will</source>
        <translation>ATENCIÓN: iniciar la adquisición</translation>
    </message>
    <message>
        <source>erase the existing data set. </source>
        <translation>borrará los datos existentes. </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Density is out of Range. Please enter a value between 2 and 0.1.</source>
        <translation>La densidad está fuera de rango. Introduzca un valor entre 2 y 0.1.</translation>
    </message>
</context>
<context>
    <name>zephra::TRecoverDataDlg</name>
    <message>
        <source>Recover Collected Data</source>
        <translation>Recuperar los datos adquiridos</translation>
    </message>
    <message>
        <source>ZEPHRA ended while it was collecting data, before they were saved.

Wine: %1
File: %2
Readings: %3

Restore the readings into a wine window, or discard them?</source>
        <translation>ZEPHRA se cerró durante una adquisición, antes de guardar los datos.

Vino: %1
Archivo: %2
Lecturas: %3

¿Restaurar las lecturas en una ventana de vino o descartarlas?</translation>
    </message>
    <message>
        <source>none (the wine was never saved)</source>
        <translation>ninguno (el vino nunca se guardó)</translation>
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
        <translation>¿Cómo desea empezar?</translation>
    </message>
    <message>
        <source>Open an existing wine file</source>
        <translation>Abrir un archivo de vino existente</translation>
    </message>
    <message>
        <source>Begin with a new wine</source>
        <translation>Empezar con un vino nuevo</translation>
    </message>
</context>
<context>
    <name>zephra::WineWindows</name>
    <message>
        <source>A file with that name is already open. It must be closed or saved under another name before opening again.  %1</source>
        <translation>Ya hay un archivo abierto con ese nombre. Debe cerrarse o guardarse con otro nombre antes de volver a abrirlo.  %1</translation>
    </message>
    <message>
        <source>Can not locate file.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>That file is open in another window. Please choose another file name or close that window. %1</source>
        <translation>Ese archivo está abierto en otra ventana. Elija otro nombre de archivo o cierre esa ventana. %1</translation>
    </message>
    <message>
        <source>I/O Error type %1 occurred while saving the wine file. Your data was not saved!</source>
        <translation>Error de E/S de tipo %1 al guardar el archivo del vino. ¡Sus datos no se guardaron!</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Archivo guardado</translation>
    </message>
    <message>
        <source>Save %1 before closing?</source>
        <translation>¿Guardar %1 antes de cerrar?</translation>
    </message>
    <message>
        <source>The readings stay in %1.</source>
        <translation>Las lecturas se conservan en %1.</translation>
    </message>
</context>
<context>
    <name>zephra::serial::ui::PortSettingsDialog</name>
    <message>
        <source>Port Settings - %1</source>
        <translation>Configuración del puerto - %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
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
        <translation>Espacio</translation>
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
        <translation>Bits de &amp;datos:</translation>
    </message>
    <message>
        <source>&amp;Parity:</source>
        <translation>&amp;Paridad:</translation>
    </message>
    <message>
        <source>&amp;Stop bits:</source>
        <translation>Bits de &amp;parada:</translation>
    </message>
    <message>
        <source>&amp;Flow control:</source>
        <translation>&amp;Control de flujo:</translation>
    </message>
</context>
</TS>
