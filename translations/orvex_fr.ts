<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>Veuillez d&apos;abord choisir un dossier de destination.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Impossible d&apos;ouvrir le presse-papiers</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>La page n&apos;a pas pu être imprimée</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>Sélectionnez un dossier où enregistrer les fichiers.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>Fichiers .dat de Yahoo Messenger (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>Conversations favorites</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>Identifiant Yahoo : </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>Identifiant Yahoo : plusieurs</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>Utilisateur local</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Ami</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>messages</translation>
    </message>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>mots/message (moy.)</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>longueur des mots (moy.)</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>octets/message (moy.)</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>conversations commencées</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>Fichier HTML (*.html);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>Fichier texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>Enregistrement des conversations...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>Sélectionnez le dossier dans lequel lire l&apos;archive.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>Sélectionnez un autre dossier d&apos;archives à lire avec celui affiché.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>Voulez-vous vraiment supprimer ces %1 fichiers ?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>Voulez-vous vraiment supprimer définitivement ces %1 fichiers ?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>Il n&apos;y a pas de corbeille ici : ils sont supprimés définitivement.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>1 fichier ne peut pas être placé dans la corbeille. Le supprimer définitivement ?</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>%1 fichiers ne peuvent pas être placés dans la corbeille. Les supprimer définitivement ?</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>Ils seront placés dans la corbeille, d&apos;où ils peuvent être restaurés.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>Le guide est introuvable. Il doit se trouver dans
%1

Réinstaller le programme le remet en place.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>Enregistrer les conversations comme site web</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>Enregistrer les conversations en fichiers JSON</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>Toutes les conversations de la liste</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>Sélection uniquement</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contacts sélectionnés</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>Le site web a été enregistré dans
%1

L&apos;ouvrir maintenant ?</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>Enregistrer comme site web</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>%1 conversations imprimées sur %2</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>Aucune archive de messages n&apos;a été trouvée dans ce dossier.

Pour choisir le dossier qui les contient, cliquez sur le bouton &quot;...&quot; à côté du champ du chemin, ou choisissez &quot;Ouvrir le dossier d&apos;archives de messages...&quot; dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>Archivage des messages : </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>Lu également : 1 dossier d&apos;archives supplémentaire</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>Lus également : %1 dossiers d&apos;archives supplémentaires</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (%1 introuvable(s) ou sans archives, ignoré(s))</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>Manquants :
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>Lus avec :
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>Archivage des messages : cliquez pour le changer</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>Dossier d&apos;archives</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>Le dossier d&apos;où les archives de messages sont lues</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Choisir le dossier d&apos;archives</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>Identités et contacts</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>Filtrer les contacts</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activé</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>Rechercher dans la vue</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversations</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Recherche : </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>Recherche ce texte dans les conversations listées</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>Onglets de la liste des conversations</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>%1 fichiers traités sur %2</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>%1 fichiers parcourus sur %2</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>%1 fichiers enregistrés sur %2</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>Messages, mots et octets des conversations affichées</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>Messenger Archive Viewer </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Version 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>Libre d&apos;utilisation et de partage ; fourni tel quel, sans garantie.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Page d&apos;accueil :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>Ouvrir le dossier d&apos;archives de messages...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>Ouvrir un fichier .dat...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>Ajouter un dossier d&apos;archives...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>Retirer les dossiers d&apos;archives ajoutés</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Enregistrer au format HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Enregistrer au format texte...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>Enregistrer en fichiers HTML séparés...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>Enregistrer en fichiers texte séparés...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>Enregistrer comme site web...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>Enregistrer en fichiers JSON...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Mise en page...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>Barre d&apos;outils Format</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>Visionneuse de messages</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>Copier le code HTML dans le presse-papiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>Afficher dans l&apos;Explorateur</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>Sélectionner tous les messages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>Suggestions et rapports de bogues</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>&amp;Conversation</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;Forum</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Lecture des fichiers...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader lit actuellement les fichiers d&apos;archive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>Ouvre le guide fourni avec le programme</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>Ouvre le forum dans le navigateur</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Fichiers lus</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>Zone de recherche</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>Ouvre un menu</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>Rechercher dans la vue...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>Ouvrir des fichiers .dat</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>Fichier(s) :</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>Nom d&apos;utilisateur (nécessaire pour décoder le fichier d&apos;archive) :</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>Nom d&apos;utilisateur de l&apos;ami :</translation>
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
        <source>(multiple files)</source>
        <translation>(plusieurs fichiers)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>Erreur : veuillez sélectionner au moins un fichier.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>Enregistrer les conversations en fichiers HTML</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>Enregistrer les conversations en fichiers texte brut</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>Conversations sélectionnées</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Contacts sélectionnés</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>Toute l&apos;archive</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>Gras, italique, souligné</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>Polices et couleurs</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>Images des smileys</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Brut</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>Page des conversations</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>Les conversations choisies dans la liste</translation>
    </message>
</context>
</TS>
