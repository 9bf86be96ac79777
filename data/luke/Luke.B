 1: 1	Quote Luke 1:1?	Forasmuch as many have taken in hand to set forth in order a declaration of those things which are most surely believed among us
 1: 2	Quote Luke 1:2?	Even as they delivered them unto us, which from the beginning were eyewitnesses, and ministers of the word
 1: 3	Quote Luke 1:3?	It seemed good to me also, having had perfect understanding of all things from the very first, to write unto thee in order, most excellent Theophilus
 1: 4	Finish this verse: That thou mightest know the ...?	certainty of those things, wherein thou hast been instructed.
 1: 5	Finish this verse: There was in the days of Herod, the king of Judaea, a ...?	certain priest named Zacharias, of the course of Abia: and his wife was of the daughters of Aaron, and her name was Elisabeth.
 1: 5	Name the country mentioned in Luke 1:5?	Judaea
 1: 6	Finish this verse: And they were both righteous before God ...?	walking in all the commandments and ordinances of the Lord blameless.
 1: 7	Finish this verse: And they had no child, because that ...?	Elisabeth was barren, and they both were now well stricken in years.
 1: 7	Why does Luke 1:7 say that they had no child?	Because Elisabeth was barren, and they both were now well stricken in years
 1: 8	Quote Luke 1:8?	And it came to pass, that while he executed the priest's office before God in the order of his course
 1: 9	Quote Luke 1:9?	According to the custom of the priest's office, his lot was to burn incense when he went into the temple of the Lord.
 1:10	Finish this verse: And the whole multitude of the ...?	people were praying without at the time of incense.
 1:11	Finish this verse: And there appeared unto him an angel of ...?	the Lord standing on the right side of the altar of incense.
 1:12	Finish this verse: And when Zacharias saw him ...?	he was troubled, and fear fell upon him.
 1:12	When Zacharias saw him, what happened?	He was troubled, and fear fell upon him
 1:13	Finish this verse: But the angel said unto him, Fear not, Zacharias: for thy prayer ...?	is heard; and thy wife Elisabeth shall bear thee a son, and thou shalt call his name John.
 1:13	To whom did the angel say, "Fear not, Zacharias: for thy prayer is heard ..."?	Zacharias
 1:13	What did the angel say unto Zacharias in Luke 1:13?	Fear not, Zacharias: for thy prayer is heard; and thy wife Elisabeth shall bear thee a son, and thou shalt call his name John.
 1:14	Quote Luke 1:14?	And thou shalt have joy and gladness; and many shall rejoice at his birth.
 1:15	Quote Luke 1:15?	For he shall be great in the sight of the Lord, and shall drink neither wine nor strong drink; and he shall be filled with the Holy Ghost, even from his mother's womb.
 1:16	Quote Luke 1:16?	And many of the children of Israel shall he turn to the Lord their God.
 1:17	Quote Luke 1:17?	And he shall go before him in the spirit and power of Elias, to turn the hearts of the fathers to the children, and the disobedient to the wisdom of the just; to make ready a people prepared for the Lord.
 1:18	Finish this verse: And Zacharias said unto the angel, Whereby shall I ...?	know this? for I am an old man, and my wife well stricken in years.
 1:19	Finish this verse: And the angel answering said unto him, I am Gabriel, that stand ...?	in the presence of God; and am sent to speak unto thee, and to shew thee these glad tidings.
 1:19	Who said, "I am Gabriel, that stand in the presence ..."?	The angel
 1:20	Quote Luke 1:20?	And, behold, thou shalt be dumb, and not able to speak, until the day that these things shall be performed, because thou believest not my words, which shall be fulfilled in their season.
 1:21	Quote Luke 1:21?	And the people waited for Zacharias, and marvelled that he tarried so long in the temple.
 1:22	Quote Luke 1:22?	And when he came out, he could not speak unto them: and they perceived that he had seen a vision in the temple: for he beckoned unto them, and remained speechless.
 1:23	Quote Luke 1:23?	And it came to pass, that, as soon as the days of his ministration were accomplished, he departed to his own house.
 1:24	Finish this verse: And after those days his ...?	wife Elisabeth conceived, and hid herself five months, saying
 1:24	How many months are spoken of in Luke 1:24?	Five months
 1:25	Finish this verse: Thus hath the Lord dealt with me in ...?	the days wherein he looked on me, to take away my reproach among men.
 1:26	Finish this verse: And in the sixth month the angel ...?	Gabriel was sent from God unto a city of Galilee, named Nazareth
 1:27	Finish this verse: To a virgin espoused to a man whose ...?	name was Joseph, of the house of David; and the virgin's name was Mary.
 1:27	Name the persons mentioned in Luke 1:27?	Joseph, David, Mary
 1:28	Quote Luke 1:28?	And the angel came in unto her, and said, Hail, thou that art highly favoured, the Lord is with thee: blessed art thou among women.
 1:29	Quote Luke 1:29?	And when she saw him, she was troubled at his saying, and cast in her mind what manner of salutation this should be.
 1:30	Finish this verse: And the angel said unto her ...?	Fear not, Mary: for thou hast found favour with God.
 1:30	What did the angel say unto Mary in Luke 1:30?	Fear not, Mary: for thou hast found favour with God.
 1:31	Finish this verse: And, behold, thou shalt conceive in thy ...?	womb, and bring forth a son, and shalt call his name JESUS.
 1:32	Finish this verse: He shall be great, and shall be called the Son ...?	of the Highest: and the Lord God shall give unto him the throne of his father David
 1:33	Finish this verse: And he shall reign over the house of ...?	Jacob for ever; and of his kingdom there shall be no end.
 1:34	Quote Luke 1:34?	Then said Mary unto the angel, How shall this be, seeing I know not a man?
 1:34	Who said, "How shall this be ..."?	Mary
 1:34	What did Mary say unto the angel in Luke 1:34?	How shall this be, seeing I know not a man?
 1:35	Quote Luke 1:35?	And the angel answered and said unto her, The Holy Ghost shall come upon thee, and the power of the Highest shall overshadow thee: therefore also that holy thing which shall be born of thee shall be called the Son of God.
 1:35	Who said, "The Holy Ghost shall come upon thee ..."?	The angel
 1:36	Quote Luke 1:36?	And, behold, thy cousin Elisabeth, she hath also conceived a son in her old age: and this is the sixth month with her, who was called barren.
 1:37	Quote Luke 1:37?	For with God nothing shall be impossible.
 1:38	Finish this verse: And Mary said, Behold the handmaid of the Lord ...?	be it unto me according to thy word. And the angel departed from her.
 1:38	What did Mary say in Luke 1:38?	Behold the handmaid of the Lord; be it unto me according to thy word
 1:39	Finish this verse: And Mary arose in those days, and ...?	went into the hill country with haste, into a city of Juda
 1:39	Who arose in those days?	Mary
 1:40	Quote Luke 1:40?	And entered into the house of Zacharias, and saluted Elisabeth.
 1:40	Name the persons mentioned in Luke 1:40?	Zacharias, Elisabeth
 1:41	Quote Luke 1:41?	And it came to pass, that, when Elisabeth heard the salutation of Mary, the babe leaped in her womb; and Elisabeth was filled with the Holy Ghost
 1:41	Name the persons mentioned in Luke 1:41?	Elisabeth, Mary
 1:42	Quote Luke 1:42?	And she spake out with a loud voice, and said, Blessed art thou among women, and blessed is the fruit of thy womb.
 1:42	What was said in Luke 1:42?	Blessed art thou among women, and blessed is the fruit of thy womb.
 1:43	Quote Luke 1:43?	And whence is this to me, that the mother of my Lord should come to me?
 1:44	Finish this verse: For, lo, as soon as the voice of ...?	thy salutation sounded in mine ears, the babe leaped in my womb for joy.
 1:45	Finish this verse: And blessed is she that believed: for there ...?	shall be a performance of those things which were told her from the Lord.
 1:46	Finish this verse: And Mary said ...?	My soul doth magnify the Lord
 1:46	What did Mary say in Luke 1:46?	My soul doth magnify the Lord
 1:47	Finish this verse: And my spirit ...?	hath rejoiced in God my Saviour.
 1:48	Quote Luke 1:48?	For he hath regarded the low estate of his handmaiden: for, behold, from henceforth all generations shall call me blessed.
 1:49	Quote Luke 1:49?	For he that is mighty hath done to me great things; and holy is his name.
 1:50	Finish this verse: And his mercy is on ...?	them that fear him from generation to generation.
 1:51	Finish this verse: He hath shewed strength with his arm ...?	he hath scattered the proud in the imagination of their hearts.
 1:52	Finish this verse: He hath put down the mighty ...?	from their seats, and exalted them of low degree.
 1:53	Finish this verse: He hath filled the hungry with ...?	good things; and the rich he hath sent empty away.
 1:54	Quote Luke 1:54?	He hath holpen his servant Israel, in remembrance of his mercy
 1:55	Quote Luke 1:55?	As he spake to our fathers, to Abraham, and to his seed for ever.
 1:56	Quote Luke 1:56?	And Mary abode with her about three months, and returned to her own house.
 1:57	Quote Luke 1:57?	Now Elisabeth's full time came that she should be delivered; and she brought forth a son.
 1:58	Finish this verse: And her neighbours and her cousins heard how ...?	the Lord had shewed great mercy upon her; and they rejoiced with her.
 1:59	Finish this verse: And it came to pass, that on the eighth day ...?	they came to circumcise the child; and they called him Zacharias, after the name of his father.
 1:60	Quote Luke 1:60?	And his mother answered and said, Not so; but he shall be called John.
 1:60	Who said, "Not so; but he shall be called John ..."?	His mother
 1:60	What did his mother say in Luke 1:60?	Not so; but he shall be called John.
 1:61	Quote Luke 1:61?	And they said unto her, There is none of thy kindred that is called by this name.
 1:61	What was said unto her in Luke 1:61?	There is none of thy kindred that is called by this name.
 1:62	Quote Luke 1:62?	And they made signs to his father, how he would have him called.
 1:63	Quote Luke 1:63?	And he asked for a writing table, and wrote, saying, His name is John. And they marvelled all.
 1:64	Finish this verse: And his mouth was opened immediately ...?	and his tongue loosed, and he spake, and praised God.
 1:65	Finish this verse: And fear came on all that dwelt round about ...?	them: and all these sayings were noised abroad throughout all the hill country of Judaea.
 1:65	Name the country mentioned in Luke 1:65?	Judaea
 1:66	Finish this verse: And all they that heard them laid them up in their ...?	hearts, saying, What manner of child shall this be! And the hand of the Lord was with him.
 1:67	Finish this verse: And his father Zacharias was ...?	filled with the Holy Ghost, and prophesied, saying
 1:68	Quote Luke 1:68?	Blessed be the Lord God of Israel; for he hath visited and redeemed his people
 1:69	Quote Luke 1:69?	And hath raised up an horn of salvation for us in the house of his servant David
 1:70	Finish this verse: As he spake by the mouth ...?	of his holy prophets, which have been since the world began
 1:71	Finish this verse: That we should be saved from ...?	our enemies, and from the hand of all that hate us
 1:72	Finish this verse: To perform the mercy promised ...?	to our fathers, and to remember his holy covenant
 1:73	Finish this verse: The oath which ...?	he sware to our father Abraham
 1:74	Quote Luke 1:74?	That he would grant unto us, that we being delivered out of the hand of our enemies might serve him without fear
 1:75	Quote Luke 1:75?	In holiness and righteousness before him, all the days of our life.
 1:76	Quote Luke 1:76?	And thou, child, shalt be called the prophet of the Highest: for thou shalt go before the face of the Lord to prepare his ways
 1:77	Quote Luke 1:77?	To give knowledge of salvation unto his people by the remission of their sins
 1:78	Finish this verse: Through the tender mercy of our ...?	God; whereby the dayspring from on high hath visited us
 1:79	Finish this verse: To give light to them that sit in darkness ...?	and in the shadow of death, to guide our feet into the way of peace.
 1:80	Quote Luke 1:80?	And the child grew, and waxed strong in spirit, and was in the deserts till the day of his shewing unto Israel.
 2: 1	Finish this verse: And it came to pass in those days, that ...?	there went out a decree from Caesar Augustus, that all the world should be taxed.
 2: 2	Finish this verse: (And this taxing was ...?	first made when Cyrenius was governor of Syria.)
 2: 2	Name the country mentioned in Luke 2:2?	Syria
 2: 3	Finish this verse: And all went to ...?	be taxed, every one into his own city.
 2: 4	Quote Luke 2:4?	And Joseph also went up from Galilee, out of the city of Nazareth, into Judaea, unto the city of David, which is called Bethlehem; (because he was of the house and lineage of David:)
 2: 5	Quote Luke 2:5?	To be taxed with Mary his espoused wife, being great with child.
 2: 6	Quote Luke 2:6?	And so it was, that, while they were there, the days were accomplished that she should be delivered.
 2: 7	Quote Luke 2:7?	And she brought forth her firstborn son, and wrapped him in swaddling clothes, and laid him in a manger; because there was no room for them in the inn.
 2: 8	Finish this verse: And there were in the same country ...?	shepherds abiding in the field, keeping watch over their flock by night.
 2: 9	Finish this verse: And, lo, the angel of the Lord came upon them ...?	and the glory of the Lord shone round about them: and they were sore afraid.
 2:10	Finish this verse: And the angel said unto them, Fear not: for ...?	behold, I bring you good tidings of great joy, which shall be to all people.
 2:10	What did the angel say in Luke 2:10?	Fear not: for, behold, I bring you good tidings of great joy, which shall be to all people.
 2:11	Finish this verse: For unto you is born this day ...?	in the city of David a Saviour, which is Christ the Lord.
 2:12	Finish this verse: And this shall be a sign unto you ...?	Ye shall find the babe wrapped in swaddling clothes, lying in a manger.
 2:13	Finish this verse: And suddenly there was with the ...?	angel a multitude of the heavenly host praising God, and saying
 2:14	Quote Luke 2:14?	Glory to God in the highest, and on earth peace, good will toward men.
 2:15	Quote Luke 2:15?	And it came to pass, as the angels were gone away from them into heaven, the shepherds said one to another, Let us now go even unto Bethlehem, and see this thing which is come to pass, which the Lord hath made known unto us.
 2:15	Name the city mentioned in Luke 2:15?	Bethlehem
 2:16	Quote Luke 2:16?	And they came with haste, and found Mary, and Joseph, and the babe lying in a manger.
 2:16	Name the persons mentioned in Luke 2:16?	Mary, Joseph
 2:17	Quote Luke 2:17?	And when they had seen it, they made known abroad the saying which was told them concerning this child.
 2:18	Finish this verse: And all they that heard it ...?	wondered at those things which were told them by the shepherds.
 2:19	Finish this verse: But Mary kept all ...?	these things, and pondered them in her heart.
 2:19	Who kept all these things?	Mary
 2:20	Quote Luke 2:20?	And the shepherds returned, glorifying and praising God for all the things that they had heard and seen, as it was told unto them.
 2:21	Quote Luke 2:21?	And when eight days were accomplished for the circumcising of the child, his name was called JESUS, which was so named of the angel before he was conceived in the womb.
 2:21	How many days are spoken of in Luke 2:21?	Eight days
 2:22	Quote Luke 2:22?	And when the days of her purification according to the law of Moses were accomplished, they brought him to Jerusalem, to present him to the Lord
 2:23	Quote Luke 2:23?	(As it is written in the law of the LORD, Every male that openeth the womb shall be called holy to the Lord;)
 2:24	Finish this verse: And to offer a sacrifice according to that which is ...?	said in the law of the Lord, A pair of turtledoves, or two young pigeons.
 2:25	Finish this verse: And, behold, there was a man in Jerusalem, whose name was Simeon ...?	and the same man was just and devout, waiting for the consolation of Israel: and the Holy Ghost was upon him.
 2:25	Name the city mentioned in Luke 2:25?	Jerusalem
 2:26	Finish this verse: And it was revealed unto him by the Holy ...?	Ghost, that he should not see death, before he had seen the Lord's Christ.
 2:27	Finish this verse: And he came by the Spirit into the temple: and when ...?	the parents brought in the child Jesus, to do for him after the custom of the law
 2:28	Quote Luke 2:28?	Then took he him up in his arms, and blessed God, and said
 2:29	Quote Luke 2:29?	Lord, now lettest thou thy servant depart in peace, according to thy word
 2:30	Finish this verse: For mine eyes ...?	have seen thy salvation
 2:31	Finish this verse: Which thou hast prepared ...?	before the face of all people
 2:32	Finish this verse: A light to lighten the ...?	Gentiles, and the glory of thy people Israel.
 2:33	Finish this verse: And Joseph and his mother ...?	marvelled at those things which were spoken of him.
 2:34	Quote Luke 2:34?	And Simeon blessed them, and said unto Mary his mother, Behold, this child is set for the fall and rising again of many in Israel; and for a sign which shall be spoken against
 2:34	Name the persons mentioned in Luke 2:34?	Simeon, Mary
 2:35	Quote Luke 2:35?	(Yea, a sword shall pierce through thy own soul also,) that the thoughts of many hearts may be revealed.
 2:36	Quote Luke 2:36?	And there was one Anna, a prophetess, the daughter of Phanuel, of the tribe of Aser: she was of a great age, and had lived with an husband seven years from her virginity
 2:36	How many years are spoken of in Luke 2:36?	Seven years
 2:37	Quote Luke 2:37?	And she was a widow of about fourscore and four years, which departed not from the temple, but served God with fastings and prayers night and day.
 2:38	Finish this verse: And she coming in that instant gave thanks likewise unto ...?	the Lord, and spake of him to all them that looked for redemption in Jerusalem.
 2:39	Finish this verse: And when they had performed all things according to ...?	the law of the Lord, they returned into Galilee, to their own city Nazareth.
 2:39	When they had performed all things according to the law of the Lord, what happened?	They returned into Galilee, to their own city Nazareth
 2:39	Name the places mentioned in Luke 2:39?	Galilee, Nazareth
 2:40	Quote Luke 2:40?	And the child grew, and waxed strong in spirit, filled with wisdom: and the grace of God was upon him.
 2:41	Quote Luke 2:41?	Now his parents went to Jerusalem every year at the feast of the passover.
 2:41	Name the city mentioned in Luke 2:41?	Jerusalem
 2:42	Quote Luke 2:42?	And when he was twelve years old, they went up to Jerusalem after the custom of the feast.
 2:42	When he was twelve years old, what happened?	They went up to Jerusalem after the custom of the feast
 2:42	Name the city mentioned in Luke 2:42?	Jerusalem
 2:43	Quote Luke 2:43?	And when they had fulfilled the days, as they returned, the child Jesus tarried behind in Jerusalem; and Joseph and his mother knew not of it.
 2:43	Name the persons mentioned in Luke 2:43?	Jesus, Joseph
 2:44	Finish this verse: But they, supposing him to have been in the ...?	company, went a day's journey; and they sought him among their kinsfolk and acquaintance.
 2:45	Finish this verse: And when they found him ...?	not, they turned back again to Jerusalem, seeking him.
 2:45	When they found him not, what happened?	They turned back again to Jerusalem, seeking him
 2:46	Finish this verse: And it came to pass, that after three days they found ...?	him in the temple, sitting in the midst of the doctors, both hearing them, and asking them questions.
 2:46	How many days are spoken of in Luke 2:46?	Three days
 2:47	Finish this verse: And all that heard ...?	him were astonished at his understanding and answers.
 2:48	Quote Luke 2:48?	And when they saw him, they were amazed: and his mother said unto him, Son, why hast thou thus dealt with us? behold, thy father and I have sought thee sorrowing.
 2:49	Quote Luke 2:49?	And he said unto them, How is it that ye sought me? wist ye not that I must be about my Father's business?
 2:49	What was said unto them in Luke 2:49?	How is it that ye sought me? wist ye not that I must be about my Father's business?
 2:50	Finish this verse: And they understood not ...?	the saying which he spake unto them.
 2:51	Finish this verse: And he went down with them, and came to Nazareth ...?	and was subject unto them: but his mother kept all these sayings in her heart.
 2:51	Name the city mentioned in Luke 2:51?	Nazareth
 2:52	Finish this verse: And Jesus increased in wisdom ...?	and stature, and in favour with God and man.
 3: 2	Quote Luke 3:2?	Annas and Caiaphas being the high priests, the word of God came unto John the son of Zacharias in the wilderness.
 3: 2	Whose son was John?	Zacharias
 3: 2	Name the persons mentioned in Luke 3:2?	Annas, Caiaphas, John, Zacharias
 3: 3	Quote Luke 3:3?	And he came into all the country about Jordan, preaching the baptism of repentance for the remission of sins
 3: 3	Name the river mentioned in Luke 3:3?	Jordan
 3: 4	Finish this verse: As it is written in the book of the words of Esaias ...?	the prophet, saying, The voice of one crying in the wilderness, Prepare ye the way of the Lord, make his paths straight.
 3: 5	Finish this verse: Every valley shall be filled, and every mountain and hill shall ...?	be brought low; and the crooked shall be made straight, and the rough ways shall be made smooth
 3: 6	Finish this verse: And all flesh ...?	shall see the salvation of God.
 3: 7	Finish this verse: Then said he to the multitude that came forth to be ...?	baptized of him, O generation of vipers, who hath warned you to flee from the wrath to come?
 3: 7	What was said to the multitude in Luke 3:7?	O generation of vipers, who hath warned you to flee from the wrath to come?
 3: 8	Quote Luke 3:8?	Bring forth therefore fruits worthy of repentance, and begin not to say within yourselves, We have Abraham to our father: for I say unto you, That God is able of these stones to raise up children unto Abraham.
 3: 9	Quote Luke 3:9?	And now also the axe is laid unto the root of the trees: every tree therefore which bringeth not forth good fruit is hewn down, and cast into the fire.
 3:10	Quote Luke 3:10?	And the people asked him, saying, What shall we do then?
 3:11	Quote Luke 3:11?	He answereth and saith unto them, He that hath two coats, let him impart to him that hath none; and he that hath meat, let him do likewise.
 3:12	Quote Luke 3:12?	Then came also publicans to be baptized, and said unto him, Master, what shall we do?
 3:13	Quote Luke 3:13?	And he said unto them, Exact no more than that which is appointed you.
 3:14	Finish this verse: And the soldiers likewise demanded of him, saying, And what shall we ...?	do? And he said unto them, Do violence to no man, neither accuse any falsely; and be content with your wages.
 3:14	According to Luke 3:14, what was said unto them?	Do violence to no man, neither accuse any falsely; and be content with your wages.
 3:15	Finish this verse: And as the people were in expectation, and all ...?	men mused in their hearts of John, whether he were the Christ, or not
 3:16	Finish this verse: John answered, saying unto them all, I indeed baptize you with water ...?	but one mightier than I cometh, the latchet of whose shoes I am not worthy to unloose: he shall baptize you with the Holy Ghost and with fire
 3:16	What did John say unto the people in Luke 3:16?	I indeed baptize you with water; but one mightier than I cometh, the latchet of whose shoes I am not worthy to unloose: he shall baptize you with the Holy Ghost and with fire
 3:17	Finish this verse: Whose fan is in his hand, and he will throughly purge his ...?	floor, and will gather the wheat into his garner; but the chaff he will burn with fire unquenchable.
 3:18	Quote Luke 3:18?	And many other things in his exhortation preached he unto the people.
 3:19	Quote Luke 3:19?	But Herod the tetrarch, being reproved by him for Herodias his brother Philip's wife, and for all the evils which Herod had done
 3:19	Name the persons mentioned in Luke 3:19?	Herod, Herodias, Philip
 3:20	Finish this verse: Added yet this above ...?	all, that he shut up John in prison.
 3:21	Finish this verse: Now when all the people were baptized, it ...?	came to pass, that Jesus also being baptized, and praying, the heaven was opened
 3:22	Finish this verse: And the Holy Ghost descended in a bodily shape like a dove ...?	upon him, and a voice came from heaven, which said, Thou art my beloved Son; in thee I am well pleased.
 3:23	Finish this verse: And Jesus himself began to be about thirty years of ...?	age, being (as was supposed) the son of Joseph, which was the son of Heli
 3:23	Whose son was Joseph, according to Luke 3:23?	Heli
 3:24	Quote Luke 3:24?	Which was the son of Matthat, which was the son of Levi, which was the son of Melchi, which was the son of Janna, which was the son of Joseph
 3:24	Whose son was Matthat, according to Luke 3:24?	Levi
 3:24	Whose son was Levi, according to Luke 3:24?	Melchi
 3:25	Quote Luke 3:25?	Which was the son of Mattathias, which was the son of Amos, which was the son of Naum, which was the son of Esli, which was the son of Nagge
 3:26	Quote Luke 3:26?	Which was the son of Maath, which was the son of Mattathias, which was the son of Semei, which was the son of Joseph, which was the son of Juda
 3:26	Whose son was Mattathias, according to Luke 3:26?	Semei
 3:26	Whose son was Semei, according to Luke 3:26?	Joseph
 3:27	Quote Luke 3:27?	Which was the son of Joanna, which was the son of Rhesa, which was the son of Zorobabel, which was the son of Salathiel, which was the son of Neri
 3:27	Whose son was Zorobabel, according to Luke 3:27?	Salathiel
 3:28	Finish this verse: Which was the son of Melchi, which was the son of Addi ...?	which was the son of Cosam, which was the son of Elmodam, which was the son of Er
 3:28	Whose son was Melchi, according to Luke 3:28?	Addi
 3:28	Whose son was Addi, according to Luke 3:28?	Cosam
 3:29	Finish this verse: Which was the son of Jose, which was the son of Eliezer ...?	which was the son of Jorim, which was the son of Matthat, which was the son of Levi
 3:29	Whose son was Eliezer, according to Luke 3:29?	Jorim
 3:30	Quote Luke 3:30?	Which was the son of Simeon, which was the son of Juda, which was the son of Joseph, which was the son of Jonan, which was the son of Eliakim
 3:30	Whose son was Simeon, according to Luke 3:30?	Juda
 3:30	Whose son was Joseph, according to Luke 3:30?	Jonan
 3:31	Quote Luke 3:31?	Which was the son of Melea, which was the son of Menan, which was the son of Mattatha, which was the son of Nathan, which was the son of David
 3:31	Whose son was Melea, according to Luke 3:31?	Menan
 3:31	Whose son was Menan, according to Luke 3:31?	Mattatha
 3:32	Quote Luke 3:32?	Which was the son of Jesse, which was the son of Obed, which was the son of Booz, which was the son of Salmon, which was the son of Naasson
 3:32	Whose son was Obed, according to Luke 3:32?	Booz
 3:33	Quote Luke 3:33?	Which was the son of Aminadab, which was the son of Aram, which was the son of Esrom, which was the son of Phares, which was the son of Juda
 3:33	Whose son was Aram, according to Luke 3:33?	Esrom
 3:34	Finish this verse: Which was the son of Jacob, which was the son of Isaac ...?	which was the son of Abraham, which was the son of Thara, which was the son of Nachor
 3:34	Whose son was Isaac, according to Luke 3:34?	Abraham
 3:34	Whose son was Abraham, according to Luke 3:34?	Thara
 3:35	Finish this verse: Which was the son of Saruch, which was the son of Ragau ...?	which was the son of Phalec, which was the son of Heber, which was the son of Sala
 3:35	Whose son was Saruch, according to Luke 3:35?	Ragau
 3:35	Whose son was Ragau, according to Luke 3:35?	Phalec
 3:36	Finish this verse: Which was the son of Cainan, which was the son of Arphaxad ...?	which was the son of Sem, which was the son of Noe, which was the son of Lamech
 3:36	Whose son was Cainan, according to Luke 3:36?	Arphaxad
 3:37	Finish this verse: Which was the son of Mathusala, which was the son of Enoch ...?	which was the son of Jared, which was the son of Maleleel, which was the son of Cainan
 3:37	Whose son was Mathusala, according to Luke 3:37?	Enoch
 3:37	Whose son was Enoch, according to Luke 3:37?	Jared
 3:38	Quote Luke 3:38?	Which was the son of Enos, which was the son of Seth, which was the son of Adam, which was the son of God.
 3:38	Whose son was Seth, according to Luke 3:38?	Adam
 3:38	Whose son was Adam, according to Luke 3:38?	God
 4: 1	Finish this verse: And Jesus being full of the Holy Ghost ...?	returned from Jordan, and was led by the Spirit into the wilderness
 4: 1	Name the river mentioned in Luke 4:1?	Jordan
 4: 2	Finish this verse: Being forty days tempted of the devil. And in ...?	those days he did eat nothing: and when they were ended, he afterward hungered.
 4: 3	Finish this verse: And the devil said unto him, If thou ...?	be the Son of God, command this stone that it be made bread.
 4: 3	What did the devil say in Luke 4:3?	If thou be the Son of God, command this stone that it be made bread.
 4: 4	Quote Luke 4:4?	And Jesus answered him, saying, It is written, That man shall not live by bread alone, but by every word of God.
 4: 4	What did Jesus say in Luke 4:4?	It is written, That man shall not live by bread alone, but by every word of God.
 4: 5	Quote Luke 4:5?	And the devil, taking him up into an high mountain, shewed unto him all the kingdoms of the world in a moment of time.
 4: 6	Quote Luke 4:6?	And the devil said unto him, All this power will I give thee, and the glory of them: for that is delivered unto me; and to whomsoever I will I give it.
 4: 6	What did the devil say in Luke 4:6?	All this power will I give thee, and the glory of them: for that is delivered unto me; and to whomsoever I will I give it.
 4: 7	Quote Luke 4:7?	If thou therefore wilt worship me, all shall be thine.
 4: 8	Finish this verse: And Jesus answered and said unto him, Get thee behind me ...?	Satan: for it is written, Thou shalt worship the Lord thy God, and him only shalt thou serve.
 4: 8	Who said, "Get thee behind me ..."?	Jesus
 4: 8	Name the persons mentioned in Luke 4:8?	Jesus, Satan
 4: 9	Finish this verse: And he brought him to Jerusalem, and set him on a pinnacle ...?	of the temple, and said unto him, If thou be the Son of God, cast thyself down from hence
 4: 9	What was said unto him in Luke 4:9?	If thou be the Son of God, cast thyself down from hence
 4: 9	Name the city mentioned in Luke 4:9?	Jerusalem
 4:10	Finish this verse: For it is written, He shall ...?	give his angels charge over thee, to keep thee
 4:11	Finish this verse: And in their hands they shall bear thee ...?	up, lest at any time thou dash thy foot against a stone.
 4:12	Finish this verse: And Jesus answering said unto him ...?	It is said, Thou shalt not tempt the Lord thy God.
 4:12	Who said, "It is said, Thou shalt not tempt the ..."?	Jesus
 4:12	What did Jesus say in Luke 4:12?	It is said, Thou shalt not tempt the Lord thy God.
 4:13	Finish this verse: And when the devil had ended ...?	all the temptation, he departed from him for a season.
 4:14	Quote Luke 4:14?	And Jesus returned in the power of the Spirit into Galilee: and there went out a fame of him through all the region round about.
 4:14	Name the country mentioned in Luke 4:14?	Galilee
 4:15	Quote Luke 4:15?	And he taught in their synagogues, being glorified of all.
 4:16	Quote Luke 4:16?	And he came to Nazareth, where he had been brought up: and, as his custom was, he went into the synagogue on the sabbath day, and stood up for to read.
 4:17	Quote Luke 4:17?	And there was delivered unto him the book of the prophet Esaias. And when he had opened the book, he found the place where it was written
 4:18	Finish this verse: The Spirit of the Lord is upon me, because he hath anointed ...?	me to preach the gospel to the poor; he hath sent me to heal the brokenhearted, to preach deliverance to the captives, and recovering of sight to the blind ...
 4:18	Why does Luke 4:18 say that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 4:19	Finish this verse: To preach the ...?	acceptable year of the Lord.
 4:20	Quote Luke 4:20?	And he closed the book, and he gave it again to the minister, and sat down. And the eyes of all them that were in the synagogue were fastened on him.
 4:21	Quote Luke 4:21?	And he began to say unto them, This day is this scripture fulfilled in your ears.
 4:22	Quote Luke 4:22?	And all bare him witness, and wondered at the gracious words which proceeded out of his mouth. And they said, Is not this Joseph's son?
 4:22	What was said in Luke 4:22?	Is not this Joseph's son?
 4:23	Quote Luke 4:23?	And he said unto them, Ye will surely say unto me this proverb, Physician, heal thyself: whatsoever we have heard done in Capernaum, do also here in thy country.
 4:23	Name the city mentioned in Luke 4:23?	Capernaum
 4:24	Finish this verse: And he said, Verily I say ...?	unto you, No prophet is accepted in his own country.
 4:25	Finish this verse: But I tell you of a truth, many widows were in Israel ...?	in the days of Elias, when the heaven was shut up three years and six months, when great famine was throughout all the land
 4:25	How many years are spoken of in Luke 4:25?	Three years
 4:26	Finish this verse: But unto none of them was Elias sent ...?	save unto Sarepta, a city of Sidon, unto a woman that was a widow.
 4:27	Finish this verse: And many lepers were in Israel in the time ...?	of Eliseus the prophet; and none of them was cleansed, saving Naaman the Syrian.
 4:27	Name the persons mentioned in Luke 4:27?	Eliseus, Naaman
 4:28	Quote Luke 4:28?	And all they in the synagogue, when they heard these things, were filled with wrath
 4:29	Quote Luke 4:29?	And rose up, and thrust him out of the city, and led him unto the brow of the hill whereon their city was built, that they might cast him down headlong.
 4:30	Finish this verse: But he passing through ...?	the midst of them went his way
 4:31	Finish this verse: And came down to Capernaum, a ...?	city of Galilee, and taught them on the sabbath days.
 4:31	Name the places mentioned in Luke 4:31?	Capernaum, Galilee
 4:32	Finish this verse: And they were astonished at ...?	his doctrine: for his word was with power.
 4:33	Finish this verse: And in the synagogue there was a man, which ...?	had a spirit of an unclean devil, and cried out with a loud voice
 4:34	Quote Luke 4:34?	Saying, Let us alone; what have we to do with thee, thou Jesus of Nazareth? art thou come to destroy us? I know thee who thou art; the Holy One of God.
 4:35	Quote Luke 4:35?	And Jesus rebuked him, saying, Hold thy peace, and come out of him. And when the devil had thrown him in the midst, he came out of him, and hurt him not.
 4:35	Who rebuked him?	Jesus
 4:36	Quote Luke 4:36?	And they were all amazed, and spake among themselves, saying, What a word is this! for with authority and power he commandeth the unclean spirits, and they come out.
 4:37	Quote Luke 4:37?	And the fame of him went out into every place of the country round about.
 4:38	Finish this verse: And he arose out of the synagogue, and entered into Simon's ...?	house. And Simon's wife's mother was taken with a great fever; and they besought him for her.
 4:39	Finish this verse: And he stood over her, and rebuked the ...?	fever; and it left her: and immediately she arose and ministered unto them.
 4:40	Quote Luke 4:40?	Now when the sun was setting, all they that had any sick with divers diseases brought them unto him; and he laid his hands on every one of them, and healed them.
 4:41	Quote Luke 4:41?	And devils also came out of many, crying out, and saying, Thou art Christ the Son of God. And he rebuking them suffered them not to speak: for they knew that he was Christ.
 4:42	Quote Luke 4:42?	And when it was day, he departed and went into a desert place: and the people sought him, and came unto him, and stayed him, that he should not depart from them.
 4:42	When it was day, what happened?	He departed and went into a desert place
 4:43	Quote Luke 4:43?	And he said unto them, I must preach the kingdom of God to other cities also: for therefore am I sent.
 4:43	Who said, "I must preach the kingdom of God to ..."?	Jesus
 4:43	To whom did Jesus say, "I must preach the kingdom of God to ..."?	The people
 4:44	Finish this verse: And he preached ...?	in the synagogues of Galilee.
 5: 1	Quote Luke 5:1?	And it came to pass, that, as the people pressed upon him to hear the word of God, he stood by the lake of Gennesaret
 5: 1	Name the lake mentioned in Luke 5:1?	Gennesaret
 5: 2	Quote Luke 5:2?	And saw two ships standing by the lake: but the fishermen were gone out of them, and were washing their nets.
 5: 3	Quote Luke 5:3?	And he entered into one of the ships, which was Simon's, and prayed him that he would thrust out a little from the land. And he sat down, and taught the people out of the ship.
 5: 4	Finish this verse: Now when he had left speaking, he said unto ...?	Simon, Launch out into the deep, and let down your nets for a draught.
 5: 4	Who said, "Launch out into the deep ..."?	Jesus
 5: 4	To whom did Jesus say, "Launch out into the deep ..."?	Simon
 5: 5	Finish this verse: And Simon answering said unto him, Master, we have toiled ...?	all the night, and have taken nothing: nevertheless at thy word I will let down the net.
 5: 6	Finish this verse: And when they had this done ...?	they inclosed a great multitude of fishes: and their net brake.
 5: 6	When they had this done, what happened?	They inclosed a great multitude of fishes
 5: 7	Finish this verse: And they beckoned unto their partners, which were in the other ship ...?	that they should come and help them. And they came, and filled both the ships, so that they began to sink.
 5: 8	Quote Luke 5:8?	When Simon Peter saw it, he fell down at Jesus' knees, saying, Depart from me; for I am a sinful man, O Lord.
 5: 9	Quote Luke 5:9?	For he was astonished, and all that were with him, at the draught of the fishes which they had taken
 5:10	Quote Luke 5:10?	And so was also James, and John, the sons of Zebedee, which were partners with Simon. And Jesus said unto Simon, Fear not; from henceforth thou shalt catch men.
 5:10	To whom did Jesus say, "Fear not; from henceforth thou shalt catch men ..."?	Simon
 5:10	What did Jesus say unto Simon in Luke 5:10?	Fear not; from henceforth thou shalt catch men.
 5:11	Quote Luke 5:11?	And when they had brought their ships to land, they forsook all, and followed him.
 5:12	Quote Luke 5:12?	And it came to pass, when he was in a certain city, behold a man full of leprosy: who seeing Jesus fell on his face, and besought him, saying, Lord, if thou wilt, thou canst make me clean.
 5:13	Quote Luke 5:13?	And he put forth his hand, and touched him, saying, I will: be thou clean. And immediately the leprosy departed from him.
 5:14	Finish this verse: And he charged him to tell no man: but go, and shew ...?	thyself to the priest, and offer for thy cleansing, according as Moses commanded, for a testimony unto them.
 5:15	Finish this verse: But so much the more went there a fame abroad of ...?	him: and great multitudes came together to hear, and to be healed by him of their infirmities.
 5:16	Finish this verse: And he withdrew ...?	himself into the wilderness, and prayed.
 5:17	Finish this verse: And it came to pass on a certain day, as he was ...?	teaching, that there were Pharisees and doctors of the law sitting by, which were come out of every town of Galilee, and Judaea, and Jerusalem: and the power of the Lord ...
 5:17	Name the places mentioned in Luke 5:17?	Galilee, Judaea, Jerusalem
 5:18	Quote Luke 5:18?	And, behold, men brought in a bed a man which was taken with a palsy: and they sought means to bring him in, and to lay him before him.
 5:19	Quote Luke 5:19?	And when they could not find by what way they might bring him in because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus.
 5:19	Why does Luke 5:19 say that when they could not find by what way they might bring him in?	Because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 5:19	When they could not find by what way they might bring him in because of the multitude, what happened?	They went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 5:20	Finish this verse: And when he saw their faith ...?	he said unto him, Man, thy sins are forgiven thee.
 5:20	According to Luke 5:20, what was said unto him?	Man, thy sins are forgiven thee.
 5:20	When he saw their faith, what happened?	He said unto him, Man, thy sins are forgiven thee
 5:21	Finish this verse: And the scribes and the Pharisees began to reason ...?	saying, Who is this which speaketh blasphemies? Who can forgive sins, but God alone?
 5:22	Finish this verse: But when Jesus perceived their thoughts ...?	he answering said unto them, What reason ye in your hearts?
 5:22	According to Luke 5:22, what was said unto them?	What reason ye in your hearts?
 5:23	Finish this verse: Whether is easier, to say, Thy ...?	sins be forgiven thee; or to say, Rise up and walk?
 5:24	Quote Luke 5:24?	But that ye may know that the Son of man hath power upon earth to forgive sins, (he said unto the sick of the palsy,) I say unto thee, Arise, and take up thy couch, and go into thine house.
 5:25	Quote Luke 5:25?	And immediately he rose up before them, and took up that whereon he lay, and departed to his own house, glorifying God.
 5:26	Quote Luke 5:26?	And they were all amazed, and they glorified God, and were filled with fear, saying, We have seen strange things to day.
 5:27	Quote Luke 5:27?	And after these things he went forth, and saw a publican, named Levi, sitting at the receipt of custom: and he said unto him, Follow me.
 5:28	Finish this verse: And he left ...?	all, rose up, and followed him.
 5:29	Finish this verse: And Levi made him a great feast in his own ...?	house: and there was a great company of publicans and of others that sat down with them.
 5:29	Who made him a great feast in his own house?	Levi
 5:29	Which publican made him a great feast in his own house?	Levi
 5:30	Quote Luke 5:30?	But their scribes and Pharisees murmured against his disciples, saying, Why do ye eat and drink with publicans and sinners?
 5:31	Quote Luke 5:31?	And Jesus answering said unto them, They that are whole need not a physician; but they that are sick.
 5:31	Who said, "They that are whole need not a physician ..."?	Jesus
 5:31	What did Jesus say unto his disciples in Luke 5:31?	They that are whole need not a physician; but they that are sick.
 5:32	Quote Luke 5:32?	I came not to call the righteous, but sinners to repentance.
 5:33	Quote Luke 5:33?	And they said unto him, Why do the disciples of John fast often, and make prayers, and likewise the disciples of the Pharisees; but thine eat and drink?
 5:34	Finish this verse: And he said unto them, Can ye make ...?	the children of the bridechamber fast, while the bridegroom is with them?
 5:35	Finish this verse: But the days will come, when the bridegroom ...?	shall be taken away from them, and then shall they fast in those days.
 5:36	Finish this verse: And he spake also a parable unto them; No man putteth a ...?	piece of a new garment upon an old; if otherwise, then both the new maketh a rent, and the piece that was taken out of the new agreeth not with the old.
 5:37	Finish this verse: And no man putteth new wine into old bottles; else ...?	the new wine will burst the bottles, and be spilled, and the bottles shall perish.
 5:38	Quote Luke 5:38?	But new wine must be put into new bottles; and both are preserved.
 5:39	Quote Luke 5:39?	No man also having drunk old wine straightway desireth new: for he saith, The old is better.
 5:39	What was said in Luke 5:39?	The old is better.
 6: 1	Finish this verse: And it came to pass on the second sabbath after the first ...?	that he went through the corn fields; and his disciples plucked the ears of corn, and did eat, rubbing them in their hands.
 6: 2	Finish this verse: And certain of the Pharisees said unto them ...?	Why do ye that which is not lawful to do on the sabbath days?
 6: 2	To whom did certain of the Pharisees say, "Why do ye that which is not lawful ..."?	The Pharisees
 6: 3	Finish this verse: And Jesus answering them said, Have ye not read so ...?	much as this, what David did, when himself was an hungred, and they which were with him
 6: 3	Name the persons mentioned in Luke 6:3?	Jesus, David
 6: 4	Quote Luke 6:4?	How he went into the house of God, and did take and eat the shewbread, and gave also to them that were with him; which it is not lawful to eat but for the priests alone?
 6: 5	Quote Luke 6:5?	And he said unto them, That the Son of man is Lord also of the sabbath.
 6: 6	Quote Luke 6:6?	And it came to pass also on another sabbath, that he entered into the synagogue and taught: and there was a man whose right hand was withered.
 6: 7	Quote Luke 6:7?	And the scribes and Pharisees watched him, whether he would heal on the sabbath day; that they might find an accusation against him.
 6: 8	Finish this verse: But he knew their thoughts, and said to the man which ...?	had the withered hand, Rise up, and stand forth in the midst. And he arose and stood forth.
 6: 9	Finish this verse: Then said Jesus unto them, I will ask you one thing; Is ...?	it lawful on the sabbath days to do good, or to do evil? to save life, or to destroy it?
 6: 9	Who said, "I will ask you one thing ..."?	Jesus
 6: 9	What did Jesus say in Luke 6:9?	I will ask you one thing; Is it lawful on the sabbath days to do good, or to do evil? to save life, or to destroy it?
 6:10	Quote Luke 6:10?	And looking round about upon them all, he said unto the man, Stretch forth thy hand. And he did so: and his hand was restored whole as the other.
 6:10	Who said, "Stretch forth thy hand ..."?	Jesus
 6:10	What was said unto the man in Luke 6:10?	Stretch forth thy hand
 6:11	Quote Luke 6:11?	And they were filled with madness; and communed one with another what they might do to Jesus.
 6:12	Quote Luke 6:12?	And it came to pass in those days, that he went out into a mountain to pray, and continued all night in prayer to God.
 6:13	Quote Luke 6:13?	And when it was day, he called unto him his disciples: and of them he chose twelve, whom also he named apostles
 6:13	When it was day, what happened?	He called unto him his disciples
 6:14	Finish this verse: Simon, (whom he also named Peter,) ...?	and Andrew his brother, James and John, Philip and Bartholomew
 6:15	Finish this verse: Matthew and Thomas, James ...?	the son of Alphaeus, and Simon called Zelotes
 6:15	Whose son was James?	Alphaeus
 6:15	Name the persons mentioned in Luke 6:15?	Matthew, Thomas, James, Simon
 6:16	Finish this verse: And Judas the brother of ...?	James, and Judas Iscariot, which also was the traitor.
 6:16	Name the persons mentioned in Luke 6:16?	Judas, James, Judas Iscariot
 6:17	Finish this verse: And he came down with them, and stood in the plain, and ...?	the company of his disciples, and a great multitude of people out of all Judaea and Jerusalem, and from the sea coast of Tyre and Sidon, which came to hear him ...
 6:17	Name the places mentioned in Luke 6:17?	Judaea, Jerusalem, Tyre, Sidon
 6:18	Quote Luke 6:18?	And they that were vexed with unclean spirits: and they were healed.
 6:19	Quote Luke 6:19?	And the whole multitude sought to touch him: for there went virtue out of him, and healed them all.
 6:20	Finish this verse: And he lifted up his eyes on his ...?	disciples, and said, Blessed be ye poor: for yours is the kingdom of God.
 6:20	According to Luke 6:20, what was said?	Blessed be ye poor: for yours is the kingdom of God.
 6:21	Finish this verse: Blessed are ye that hunger now: for ye ...?	shall be filled. Blessed are ye that weep now: for ye shall laugh.
 6:22	Finish this verse: Blessed are ye, when men shall hate you, and when they shall ...?	separate you from their company, and shall reproach you, and cast out your name as evil, for the Son of man's sake.
 6:23	Finish this verse: Rejoice ye in that day, and leap for joy: for, behold ...?	your reward is great in heaven: for in the like manner did their fathers unto the prophets.
 6:24	Quote Luke 6:24?	But woe unto you that are rich! for ye have received your consolation.
 6:25	Quote Luke 6:25?	Woe unto you that are full! for ye shall hunger. Woe unto you that laugh now! for ye shall mourn and weep.
 6:26	Quote Luke 6:26?	Woe unto you, when all men shall speak well of you! for so did their fathers to the false prophets.
 6:27	Quote Luke 6:27?	But I say unto you which hear, Love your enemies, do good to them which hate you
 6:28	Finish this verse: Bless them that curse you ...?	and pray for them which despitefully use you.
 6:29	Finish this verse: And unto him that smiteth thee on the one cheek offer ...?	also the other; and him that taketh away thy cloak forbid not to take thy coat also.
 6:30	Quote Luke 6:30?	Give to every man that asketh of thee; and of him that taketh away thy goods ask them not again.
 6:31	Quote Luke 6:31?	And as ye would that men should do to you, do ye also to them likewise.
 6:32	Quote Luke 6:32?	For if ye love them which love you, what thank have ye? for sinners also love those that love them.
 6:33	Quote Luke 6:33?	And if ye do good to them which do good to you, what thank have ye? for sinners also do even the same.
 6:34	Finish this verse: And if ye lend to them of whom ye hope ...?	to receive, what thank have ye? for sinners also lend to sinners, to receive as much again.
 6:35	Finish this verse: But love ye your enemies, and do good, and lend, hoping for ...?	nothing again; and your reward shall be great, and ye shall be the children of the Highest: for he is kind unto the unthankful and to the evil.
 6:36	Finish this verse: Be ye therefore merciful ...?	as your Father also is merciful.
 6:37	Finish this verse: Judge not, and ye shall not be judged ...?	condemn not, and ye shall not be condemned: forgive, and ye shall be forgiven
 6:38	Quote Luke 6:38?	Give, and it shall be given unto you; good measure, pressed down, and shaken together, and running over, shall men give into your bosom. For with the same measure that ye mete withal it shall be measured to you again.
 6:39	Quote Luke 6:39?	And he spake a parable unto them, Can the blind lead the blind? shall they not both fall into the ditch?
 6:40	Finish this verse: The disciple is not above his master ...?	but every one that is perfect shall be as his master.
 6:41	Finish this verse: And why beholdest thou the mote that is in ...?	thy brother's eye, but perceivest not the beam that is in thine own eye?
 6:42	Finish this verse: Either how canst thou say to thy brother, Brother, let me pull ...?	out the mote that is in thine eye, when thou thyself beholdest not the beam that is in thine own eye? Thou hypocrite, cast out first the beam out of thine ...
 6:43	Finish this verse: For a good tree bringeth not forth ...?	corrupt fruit; neither doth a corrupt tree bring forth good fruit.
 6:44	Quote Luke 6:44?	For every tree is known by his own fruit. For of thorns men do not gather figs, nor of a bramble bush gather they grapes.
 6:45	Quote Luke 6:45?	A good man out of the good treasure of his heart bringeth forth that which is good; and an evil man out of the evil treasure of his heart bringeth forth that which is evil: for of the abundance of the heart his mouth speaketh.
 6:46	Quote Luke 6:46?	And why call ye me, Lord, Lord, and do not the things which I say?
 6:47	Quote Luke 6:47?	Whosoever cometh to me, and heareth my sayings, and doeth them, I will shew you to whom he is like
 6:48	Finish this verse: He is like a man which built an house, and digged deep ...?	and laid the foundation on a rock: and when the flood arose, the stream beat vehemently upon that house, and could not shake it: for it was founded upon a rock.
 6:49	Finish this verse: But he that heareth, and doeth not, is like a man that ...?	without a foundation built an house upon the earth; against which the stream did beat vehemently, and immediately it fell; and the ruin of that house was great.
 7: 1	Quote Luke 7:1?	Now when he had ended all his sayings in the audience of the people, he entered into Capernaum.
 7: 1	Name the city mentioned in Luke 7:1?	Capernaum
 7: 2	Quote Luke 7:2?	And a certain centurion's servant, who was dear unto him, was sick, and ready to die.
 7: 3	Quote Luke 7:3?	And when he heard of Jesus, he sent unto him the elders of the Jews, beseeching him that he would come and heal his servant.
 7: 3	When he heard of Jesus, what happened?	He sent unto him the elders of the Jews, beseeching him that he would come and heal his servant
 7: 4	Finish this verse: And when they came to Jesus, they besought ...?	him instantly, saying, That he was worthy for whom he should do this
 7: 4	When they came to Jesus, what happened?	They besought him instantly, saying, That he was worthy for whom he should do this
 7: 5	Finish this verse: For he loveth our ...?	nation, and he hath built us a synagogue.
 7: 6	Finish this verse: Then Jesus went with them. And when he was now not far ...?	from the house, the centurion sent friends to him, saying unto him, Lord, trouble not thyself: for I am not worthy that thou shouldest enter under my roof
 7: 6	Who went with them?	Jesus
 7: 7	Finish this verse: Wherefore neither thought I myself worthy to come ...?	unto thee: but say in a word, and my servant shall be healed.
 7: 8	Quote Luke 7:8?	For I also am a man set under authority, having under me soldiers, and I say unto one, Go, and he goeth; and to another, Come, and he cometh; and to my servant, Do this, and he doeth it.
 7: 9	Quote Luke 7:9?	When Jesus heard these things, he marvelled at him, and turned him about, and said unto the people that followed him, I say unto you, I have not found so great faith, no, not in Israel.
 7:10	Finish this verse: And they that were sent, returning ...?	to the house, found the servant whole that had been sick.
 7:11	Finish this verse: And it came to pass the day after, that he ...?	went into a city called Nain; and many of his disciples went with him, and much people.
 7:11	Name the city mentioned in Luke 7:11?	Nain
 7:12	Finish this verse: Now when he came nigh to the gate of the city, behold ...?	there was a dead man carried out, the only son of his mother, and she was a widow: and much people of the city was with her.
 7:13	Finish this verse: And when the Lord saw her ...?	he had compassion on her, and said unto her, Weep not.
 7:14	Quote Luke 7:14?	And he came and touched the bier: and they that bare him stood still. And he said, Young man, I say unto thee, Arise.
 7:14	What was said in Luke 7:14?	Young man, I say unto thee, Arise.
 7:15	Quote Luke 7:15?	And he that was dead sat up, and began to speak. And he delivered him to his mother.
 7:16	Quote Luke 7:16?	And there came a fear on all: and they glorified God, saying, That a great prophet is risen up among us; and, That God hath visited his people.
 7:17	Quote Luke 7:17?	And this rumour of him went forth throughout all Judaea, and throughout all the region round about.
 7:18	Finish this verse: And the disciples of ...?	John shewed him of all these things.
 7:19	Finish this verse: And John calling unto him two of his disciples sent ...?	them to Jesus, saying, Art thou he that should come? or look we for another?
 7:20	Quote Luke 7:20?	When the men were come unto him, they said, John Baptist hath sent us unto thee, saying, Art thou he that should come? or look we for another?
 7:20	What was said in Luke 7:20?	John Baptist hath sent us unto thee, saying, Art thou he that should come? or look we for another?
 7:21	Quote Luke 7:21?	And in that same hour he cured many of their infirmities and plagues, and of evil spirits; and unto many that were blind he gave sight.
 7:22	Who said, "Go your way, and tell John what things ..."?	Jesus
 7:22	What did Jesus say in Luke 7:22?	Go your way, and tell John what things ye have seen and heard; how that the blind see, the lame walk, the lepers are cleansed, the deaf hear, the dead are raised, to the poor the gospel is preached.
 7:23	Quote Luke 7:23?	And blessed is he, whosoever shall not be offended in me.
 7:24	Finish this verse: And when the messengers of John were departed, he began to speak ...?	unto the people concerning John, What went ye out into the wilderness for to see? A reed shaken with the wind?
 7:24	When the messengers of John were departed, what happened?	He began to speak unto the people concerning John, What went ye out into the wilderness for to see? A reed shaken with the wind
 7:25	Finish this verse: But what went ye out for to ...?	see? A man clothed in soft raiment? Behold, they which are gorgeously apparelled, and live delicately, are in kings' courts.
 7:26	Finish this verse: But what went ye out for to ...?	see? A prophet? Yea, I say unto you, and much more than a prophet.
 7:27	Finish this verse: This is he, of whom it is written, Behold ...?	I send my messenger before thy face, which shall prepare thy way before thee.
 7:28	Quote Luke 7:28?	For I say unto you, Among those that are born of women there is not a greater prophet than John the Baptist: but he that is least in the kingdom of God is greater than he.
 7:29	Quote Luke 7:29?	And all the people that heard him, and the publicans, justified God, being baptized with the baptism of John.
 7:30	Finish this verse: But the Pharisees and lawyers rejected ...?	the counsel of God against themselves, being not baptized of him.
 7:31	Finish this verse: And the Lord said, Whereunto then shall I ...?	liken the men of this generation? and to what are they like?
 7:31	What did the Lord say in Luke 7:31?	Whereunto then shall I liken the men of this generation? and to what are they like?
 7:32	Finish this verse: They are like unto children sitting in the marketplace, and calling one ...?	to another, and saying, We have piped unto you, and ye have not danced; we have mourned to you, and ye have not wept.
 7:33	Finish this verse: For John the Baptist came neither eating ...?	bread nor drinking wine; and ye say, He hath a devil.
 7:34	Quote Luke 7:34?	The Son of man is come eating and drinking; and ye say, Behold a gluttonous man, and a winebibber, a friend of publicans and sinners!
 7:35	Quote Luke 7:35?	But wisdom is justified of all her children.
 7:36	Quote Luke 7:36?	And one of the Pharisees desired him that he would eat with him. And he went into the Pharisee's house, and sat down to meat.
 7:37	Quote Luke 7:37?	And, behold, a woman in the city, which was a sinner, when she knew that Jesus sat at meat in the Pharisee's house, brought an alabaster box of ointment
 7:38	Finish this verse: And stood at his feet behind him weeping, and began to wash ...?	his feet with tears, and did wipe them with the hairs of her head, and kissed his feet, and anointed them with the ointment.
 7:39	Finish this verse: Now when the Pharisee which had bidden him saw it, he spake ...?	within himself, saying, This man, if he were a prophet, would have known who and what manner of woman this is that toucheth him: for she is a sinner.
 7:39	When the Pharisee which had bidden him saw it, what happened?	He spake within himself, saying, This man, if he were a prophet, would have known who and what manner of woman this is that toucheth him
 7:40	Quote Luke 7:40?	And Jesus answering said unto him, Simon, I have somewhat to say unto thee. And he saith, Master, say on.
 7:40	Who said, "Simon, I have somewhat to say unto thee ..."?	Jesus
 7:40	What did Jesus say in Luke 7:40?	Simon, I have somewhat to say unto thee
 7:41	Quote Luke 7:41?	There was a certain creditor which had two debtors: the one owed five hundred pence, and the other fifty.
 7:41	How many debtors are spoken of in Luke 7:41?	Two debtors
 7:42	Quote Luke 7:42?	And when they had nothing to pay, he frankly forgave them both. Tell me therefore, which of them will love him most?
 7:43	Quote Luke 7:43?	Simon answered and said, I suppose that he, to whom he forgave most. And he said unto him, Thou hast rightly judged.
 7:43	Who said, "I suppose that he ..."?	Simon
 7:44	Finish this verse: And he turned to the woman, and said unto Simon, Seest thou ...?	this woman? I entered into thine house, thou gavest me no water for my feet: but she hath washed my feet with tears, and wiped them with the hairs of her head.
 7:44	Who said, "Seest thou this ..."?	Jesus
 7:44	To whom did Jesus say, "Seest thou this ..."?	Simon
 7:45	Finish this verse: Thou gavest me no kiss: but this woman ...?	since the time I came in hath not ceased to kiss my feet.
 7:46	Finish this verse: My head with oil thou didst ...?	not anoint: but this woman hath anointed my feet with ointment.
 7:47	Finish this verse: Wherefore I say unto thee, Her sins, which are many ...?	are forgiven; for she loved much: but to whom little is forgiven, the same loveth little.
 7:48	Quote Luke 7:48?	And he said unto her, Thy sins are forgiven.
 7:49	Quote Luke 7:49?	And they that sat at meat with him began to say within themselves, Who is this that forgiveth sins also?
 7:50	Finish this verse: And he said to the ...?	woman, Thy faith hath saved thee; go in peace.
 7:50	Who said, "Thy faith hath saved thee ..."?	Jesus
 8: 1	Finish this verse: And it came to pass afterward, that he went throughout every city ...?	and village, preaching and shewing the glad tidings of the kingdom of God: and the twelve were with him
 8: 2	Finish this verse: And certain women, which had been healed of ...?	evil spirits and infirmities, Mary called Magdalene, out of whom went seven devils
 8: 2	How many devils are spoken of in Luke 8:2?	Seven devils
 8: 3	Finish this verse: And Joanna the wife of Chuza Herod's steward ...?	and Susanna, and many others, which ministered unto him of their substance.
 8: 4	Quote Luke 8:4?	And when much people were gathered together, and were come to him out of every city, he spake by a parable
 8: 5	Quote Luke 8:5?	A sower went out to sow his seed: and as he sowed, some fell by the way side; and it was trodden down, and the fowls of the air devoured it.
 8: 6	Quote Luke 8:6?	And some fell upon a rock; and as soon as it was sprung up, it withered away, because it lacked moisture.
 8: 7	Quote Luke 8:7?	And some fell among thorns; and the thorns sprang up with it, and choked it.
 8: 8	Finish this verse: And other fell on good ground, and sprang up, and bare fruit ...?	an hundredfold. And when he had said these things, he cried, He that hath ears to hear, let him hear.
 8: 8	What was said in Luke 8:8?	He that hath ears to hear, let him hear.
 8: 9	Finish this verse: And his disciples asked ...?	him, saying, What might this parable be?
 8:10	Finish this verse: And he said, Unto you it is given to know the mysteries ...?	of the kingdom of God: but to others in parables; that seeing they might not see, and hearing they might not understand.
 8:11	Finish this verse: Now the parable is ...?	this: The seed is the word of God.
 8:12	Finish this verse: Those by the way side are they that hear; then cometh ...?	the devil, and taketh away the word out of their hearts, lest they should believe and be saved.
 8:13	Finish this verse: They on the rock are they, which, when they hear, receive the ...?	word with joy; and these have no root, which for a while believe, and in time of temptation fall away.
 8:14	Quote Luke 8:14?	And that which fell among thorns are they, which, when they have heard, go forth, and are choked with cares and riches and pleasures of this life, and bring no fruit to perfection.
 8:15	Quote Luke 8:15?	But that on the good ground are they, which in an honest and good heart, having heard the word, keep it, and bring forth fruit with patience.
 8:16	Quote Luke 8:16?	No man, when he hath lighted a candle, covereth it with a vessel, or putteth it under a bed; but setteth it on a candlestick, that they which enter in may see the light.
 8:17	Quote Luke 8:17?	For nothing is secret, that shall not be made manifest; neither any thing hid, that shall not be known and come abroad.
 8:18	Finish this verse: Take heed therefore how ye hear: for whosoever hath, to him shall ...?	be given; and whosoever hath not, from him shall be taken even that which he seemeth to have.
 8:19	Finish this verse: Then came to him his mother and ...?	his brethren, and could not come at him for the press.
 8:20	Quote Luke 8:20?	And it was told him by certain which said, Thy mother and thy brethren stand without, desiring to see thee.
 8:21	Quote Luke 8:21?	And he answered and said unto them, My mother and my brethren are these which hear the word of God, and do it.
 8:21	What was said unto them in Luke 8:21?	My mother and my brethren are these which hear the word of God, and do it.
 8:22	Quote Luke 8:22?	Now it came to pass on a certain day, that he went into a ship with his disciples: and he said unto them, Let us go over unto the other side of the lake. And they launched forth.
 8:22	Who said, "Let us go over unto the other side ..."?	Jesus
 8:22	What was said unto them in Luke 8:22?	Let us go over unto the other side of the lake
 8:23	Quote Luke 8:23?	But as they sailed he fell asleep: and there came down a storm of wind on the lake; and they were filled with water, and were in jeopardy.
 8:24	Finish this verse: And they came to him, and awoke him, saying, Master, master, we ...?	perish. Then he arose, and rebuked the wind and the raging of the water: and they ceased, and there was a calm.
 8:25	Finish this verse: And he said unto them, Where is your ...?	faith? And they being afraid wondered, saying one to another, What manner of man is this! for he commandeth even the winds and water, and they obey him.
 8:26	Finish this verse: And they arrived at the ...?	country of the Gadarenes, which is over against Galilee.
 8:26	Name the country mentioned in Luke 8:26?	Galilee
 8:27	Finish this verse: And when he went forth to land, there met him out of ...?	the city a certain man, which had devils long time, and ware no clothes, neither abode in any house, but in the tombs.
 8:28	Quote Luke 8:28?	When he saw Jesus, he cried out, and fell down before him, and with a loud voice said, What have I to do with thee, Jesus, thou Son of God most high? I beseech thee, torment me not.
 8:29	Quote Luke 8:29?	(For he had commanded the unclean spirit to come out of the man. For oftentimes it had caught him: and he was kept bound with chains and in fetters; and he brake the bands, and was driven of the devil into the wilderness.)
 8:30	Finish this verse: And Jesus asked him, saying, What is thy ...?	name? And he said, Legion: because many devils were entered into him.
 8:30	According to Luke 8:30, what was said?	Legion: because many devils were entered into him.
 8:30	Who asked him?	Jesus
 8:31	Finish this verse: And they besought him that he ...?	would not command them to go out into the deep.
 8:32	Finish this verse: And there was there an herd of many swine feeding on the ...?	mountain: and they besought him that he would suffer them to enter into them. And he suffered them.
 8:33	Finish this verse: Then went the devils out of the man, and entered into ...?	the swine: and the herd ran violently down a steep place into the lake, and were choked.
 8:34	Quote Luke 8:34?	When they that fed them saw what was done, they fled, and went and told it in the city and in the country.
 8:35	Quote Luke 8:35?	Then they went out to see what was done; and came to Jesus, and found the man, out of whom the devils were departed, sitting at the feet of Jesus, clothed, and in his right mind: and they were afraid.
 8:36	Quote Luke 8:36?	They also which saw it told them by what means he that was possessed of the devils was healed.
 8:37	Quote Luke 8:37?	Then the whole multitude of the country of the Gadarenes round about besought him to depart from them; for they were taken with great fear: and he went up into the ship, and returned back again.
 8:38	Finish this verse: Now the man out of whom the devils were ...?	departed besought him that he might be with him: but Jesus sent him away, saying
 8:39	Finish this verse: Return to thine own house, and shew how great things God hath ...?	done unto thee. And he went his way, and published throughout the whole city how great things Jesus had done unto him.
 8:40	Quote Luke 8:40?	And it came to pass, that, when Jesus was returned, the people gladly received him: for they were all waiting for him.
 8:41	Quote Luke 8:41?	And, behold, there came a man named Jairus, and he was a ruler of the synagogue: and he fell down at Jesus' feet, and besought him that he would come into his house
 8:41	Name the persons mentioned in Luke 8:41?	Jairus, Jesus
 8:42	Quote Luke 8:42?	For he had one only daughter, about twelve years of age, and she lay a dying. But as he went the people thronged him.
 8:43	Quote Luke 8:43?	And a woman having an issue of blood twelve years, which had spent all her living upon physicians, neither could be healed of any
 8:44	Finish this verse: Came behind him, and touched the ...?	border of his garment: and immediately her issue of blood stanched.
 8:45	Finish this verse: And Jesus said, Who touched ...?	me? When all denied, Peter and they that were with him said, Master, the multitude throng thee and press thee, and sayest thou, Who touched me?
 8:45	Who said, "Who touched ..."?	Jesus
 8:45	What did Jesus say in Luke 8:45?	Who touched me? When all denied, Peter and they that were with him said, Master, the multitude throng thee and press thee, and sayest thou, Who touched me?
 8:46	Finish this verse: And Jesus said, Somebody hath touched ...?	me: for I perceive that virtue is gone out of me.
 8:46	Who said, "Somebody hath touched me ..."?	Jesus
 8:46	What did Jesus say in Luke 8:46?	Somebody hath touched me: for I perceive that virtue is gone out of me.
 8:47	Finish this verse: And when the woman saw that she was not hid, she came ...?	trembling, and falling down before him, she declared unto him before all the people for what cause she had touched him, and how she was healed immediately.
 8:48	Quote Luke 8:48?	And he said unto her, Daughter, be of good comfort: thy faith hath made thee whole; go in peace.
 8:48	What was said unto her in Luke 8:48?	Daughter, be of good comfort: thy faith hath made thee whole; go in peace.
 8:49	Quote Luke 8:49?	While he yet spake, there cometh one from the ruler of the synagogue's house, saying to him, Thy daughter is dead; trouble not the Master.
 8:50	Finish this verse: But when Jesus heard it, he answered ...?	him, saying, Fear not: believe only, and she shall be made whole.
 8:51	Finish this verse: And when he came into the house, he suffered no man ...?	to go in, save Peter, and James, and John, and the father and the mother of the maiden.
 8:51	When he came into the house, what happened?	He suffered no man to go in, save Peter, and James, and John, and the father and the mother of the maiden
 8:52	Finish this verse: And all wept, and bewailed her ...?	but he said, Weep not; she is not dead, but sleepeth.
 8:53	Finish this verse: And they laughed him ...?	to scorn, knowing that she was dead.
 8:54	Quote Luke 8:54?	And he put them all out, and took her by the hand, and called, saying, Maid, arise.
 8:55	Quote Luke 8:55?	And her spirit came again, and she arose straightway: and he commanded to give her meat.
 8:56	Quote Luke 8:56?	And her parents were astonished: but he charged them that they should tell no man what was done.
 9: 1	Quote Luke 9:1?	Then he called his twelve disciples together, and gave them power and authority over all devils, and to cure diseases.
 9: 1	How many disciples are spoken of in Luke 9:1?	Twelve disciples
 9: 2	Quote Luke 9:2?	And he sent them to preach the kingdom of God, and to heal the sick.
 9: 3	Quote Luke 9:3?	And he said unto them, Take nothing for your journey, neither staves, nor scrip, neither bread, neither money; neither have two coats apiece.
 9: 4	Finish this verse: And whatsoever house ye ...?	enter into, there abide, and thence depart.
 9: 5	Finish this verse: And whosoever will not receive you, when ye go out ...?	of that city, shake off the very dust from your feet for a testimony against them.
 9: 6	Finish this verse: And they departed, and went through ...?	the towns, preaching the gospel, and healing every where.
 9: 7	Finish this verse: Now Herod the tetrarch heard of all that was done by him ...?	and he was perplexed, because that it was said of some, that John was risen from the dead
 9: 7	Name the persons mentioned in Luke 9:7?	Herod, John
 9: 8	Quote Luke 9:8?	And of some, that Elias had appeared; and of others, that one of the old prophets was risen again.
 9: 9	Quote Luke 9:9?	And Herod said, John have I beheaded: but who is this, of whom I hear such things? And he desired to see him.
 9: 9	Who said, "John have I beheaded ..."?	Herod
 9: 9	What did Herod say in Luke 9:9?	John have I beheaded: but who is this, of whom I hear such things? And he desired to see him.
 9:10	Quote Luke 9:10?	And the apostles, when they were returned, told him all that they had done. And he took them, and went aside privately into a desert place belonging to the city called Bethsaida.
 9:10	Name the city mentioned in Luke 9:10?	Bethsaida
 9:11	Quote Luke 9:11?	And the people, when they knew it, followed him: and he received them, and spake unto them of the kingdom of God, and healed them that had need of healing.
 9:12	Quote Luke 9:12?	And when the day began to wear away, then came the twelve, and said unto him, Send the multitude away, that they may go into the towns and country round about, and lodge, and get victuals: for we are here in a desert place.
 9:13	Quote Luke 9:13?	But he said unto them, Give ye them to eat. And they said, We have no more but five loaves and two fishes; except we should go and buy meat for all this people.
 9:13	To whom did Jesus say, "Give ye them to eat ..."?	The multitude
 9:13	What was said unto them in Luke 9:13?	Give ye them to eat
 9:14	Finish this verse: For they were about five thousand men. And ...?	he said to his disciples, Make them sit down by fifties in a company.
 9:14	To whom did Jesus say, "Make them sit down by fifties in a ..."?	His disciples
 9:14	According to Luke 9:14, what was said to his disciples?	Make them sit down by fifties in a company.
 9:15	Finish this verse: And they did so ...?	and made them all sit down.
 9:16	Finish this verse: Then he took the five loaves and the two fishes, and looking ...?	up to heaven, he blessed them, and brake, and gave to the disciples to set before the multitude.
 9:16	How many loaves are spoken of in Luke 9:16?	Five loaves
 9:17	Finish this verse: And they did eat, and were all filled ...?	and there was taken up of fragments that remained to them twelve baskets.
 9:17	How many baskets are spoken of in Luke 9:17?	Twelve baskets
 9:18	Quote Luke 9:18?	And it came to pass, as he was alone praying, his disciples were with him: and he asked them, saying, Whom say the people that I am?
 9:19	Quote Luke 9:19?	They answering said, John the Baptist; but some say, Elias; and others say, that one of the old prophets is risen again.
 9:19	Name the persons mentioned in Luke 9:19?	John, Elias
 9:20	Finish this verse: He said unto them, But whom say ...?	ye that I am? Peter answering said, The Christ of God.
 9:21	Finish this verse: And he straitly charged them ...?	and commanded them to tell no man that thing
 9:22	Finish this verse: Saying, The Son of man must suffer many things, and be ...?	rejected of the elders and chief priests and scribes, and be slain, and be raised the third day.
 9:23	Finish this verse: And he said to them all, If any man will ...?	come after me, let him deny himself, and take up his cross daily, and follow me.
 9:23	Who said, "If any man will come after me ..."?	Jesus
 9:23	To whom did Jesus say, "If any man will come after me ..."?	The elders
 9:24	Quote Luke 9:24?	For whosoever will save his life shall lose it: but whosoever will lose his life for my sake, the same shall save it.
 9:25	Quote Luke 9:25?	For what is a man advantaged, if he gain the whole world, and lose himself, or be cast away?
 9:26	Quote Luke 9:26?	For whosoever shall be ashamed of me and of my words, of him shall the Son of man be ashamed, when he shall come in his own glory, and in his Father's, and of the holy angels.
 9:27	Quote Luke 9:27?	But I tell you of a truth, there be some standing here, which shall not taste of death, till they see the kingdom of God.
 9:28	Finish this verse: And it came to pass about an eight days after ...?	these sayings, he took Peter and John and James, and went up into a mountain to pray.
 9:28	How many days are spoken of in Luke 9:28?	About an eight days
 9:28	Name the persons mentioned in Luke 9:28?	Peter, John, James
 9:29	Finish this verse: And as he prayed, the fashion of ...?	his countenance was altered, and his raiment was white and glistering.
 9:30	Quote Luke 9:30?	And, behold, there talked with him two men, which were Moses and Elias
 9:30	How many men are spoken of in Luke 9:30?	Two men
 9:30	Name the persons mentioned in Luke 9:30?	Moses, Elias
 9:31	Quote Luke 9:31?	Who appeared in glory, and spake of his decease which he should accomplish at Jerusalem.
 9:31	Name the city mentioned in Luke 9:31?	Jerusalem
 9:32	Quote Luke 9:32?	But Peter and they that were with him were heavy with sleep: and when they were awake, they saw his glory, and the two men that stood with him.
 9:33	Quote Luke 9:33?	And it came to pass, as they departed from him, Peter said unto Jesus, Master, it is good for us to be here: and let us make three tabernacles; one for thee, and one for Moses, and one for Elias: not knowing what he said.
 9:33	Who said, "Master, it is good for us to be ..."?	Peter
 9:33	What did Peter say unto Jesus in Luke 9:33?	Master, it is good for us to be here: and let us make three tabernacles; one for thee, and one for Moses, and one for Elias: not knowing what he said.
 9:34	Finish this verse: While he thus spake, there came a cloud ...?	and overshadowed them: and they feared as they entered into the cloud.
 9:35	Finish this verse: And there came a voice out ...?	of the cloud, saying, This is my beloved Son: hear him.
 9:36	Finish this verse: And when the voice was past, Jesus was found alone. And they ...?	kept it close, and told no man in those days any of those things which they had seen.
 9:37	Finish this verse: And it came to pass, that on the ...?	next day, when they were come down from the hill, much people met him.
 9:38	Quote Luke 9:38?	And, behold, a man of the company cried out, saying, Master, I beseech thee, look upon my son: for he is mine only child.
 9:39	Quote Luke 9:39?	And, lo, a spirit taketh him, and he suddenly crieth out; and it teareth him that he foameth again, and bruising him hardly departeth from him.
 9:40	Finish this verse: And I besought thy disciples ...?	to cast him out; and they could not.
 9:41	Finish this verse: And Jesus answering said, O faithless and perverse generation ...?	how long shall I be with you, and suffer you? Bring thy son hither.
 9:41	Who said, "O faithless and perverse generation ..."?	Jesus
 9:42	Finish this verse: And as he was yet a coming, the devil threw him down ...?	and tare him. And Jesus rebuked the unclean spirit, and healed the child, and delivered him again to his father.
 9:42	Who rebuked the unclean spirit?	Jesus
 9:42	What did Jesus rebuke?	The unclean spirit
 9:43	Finish this verse: And they were all amazed at the mighty power of God ...?	But while they wondered every one at all things which Jesus did, he said unto his disciples
 9:44	Quote Luke 9:44?	Let these sayings sink down into your ears: for the Son of man shall be delivered into the hands of men.
 9:45	Quote Luke 9:45?	But they understood not this saying, and it was hid from them, that they perceived it not: and they feared to ask him of that saying.
 9:46	Quote Luke 9:46?	Then there arose a reasoning among them, which of them should be greatest.
 9:47	Quote Luke 9:47?	And Jesus, perceiving the thought of their heart, took a child, and set him by him
 9:48	Finish this verse: And said unto them, Whosoever shall receive this child in my name ...?	receiveth me: and whosoever shall receive me receiveth him that sent me: for he that is least among you all, the same shall be great.
 9:49	Finish this verse: And John answered and said, Master, we saw one casting ...?	out devils in thy name; and we forbad him, because he followeth not with us.
 9:49	Who said, "Master, we saw one casting out devils in ..."?	John
 9:50	Quote Luke 9:50?	And Jesus said unto him, Forbid him not: for he that is not against us is for us.
 9:50	Who said, "Forbid him not: for he that is not ..."?	Jesus
 9:50	What did Jesus say in Luke 9:50?	Forbid him not: for he that is not against us is for us.
 9:51	Quote Luke 9:51?	And it came to pass, when the time was come that he should be received up, he stedfastly set his face to go to Jerusalem
 9:51	Name the city mentioned in Luke 9:51?	Jerusalem
 9:52	Quote Luke 9:52?	And sent messengers before his face: and they went, and entered into a village of the Samaritans, to make ready for him.
 9:53	Quote Luke 9:53?	And they did not receive him, because his face was as though he would go to Jerusalem.
 9:53	Why does Luke 9:53 say that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:53	Name the city mentioned in Luke 9:53?	Jerusalem
 9:54	Finish this verse: And when his disciples James and John saw this, they said, Lord ...?	wilt thou that we command fire to come down from heaven, and consume them, even as Elias did?
 9:54	According to Luke 9:54, what was said?	Lord, wilt thou that we command fire to come down from heaven, and consume them, even as Elias did?
 9:54	When his disciples James and John saw this, what happened?	They said, Lord, wilt thou that we command fire to come down from heaven, and consume them, even as Elias did
 9:55	Finish this verse: But he turned, and rebuked them, and ...?	said, Ye know not what manner of spirit ye are of.
 9:55	According to Luke 9:55, what was said?	Ye know not what manner of spirit ye are of.
 9:56	Finish this verse: For the Son of man is not come ...?	to destroy men's lives, but to save them. And they went to another village.
 9:57	Finish this verse: And it came to pass, that, as they went in ...?	the way, a certain man said unto him, Lord, I will follow thee whithersoever thou goest.
 9:57	Who said, "Lord, I will follow thee whithersoever thou goest ..."?	A certain man
 9:57	What did a certain man say in Luke 9:57?	Lord, I will follow thee whithersoever thou goest.
 9:58	Quote Luke 9:58?	And Jesus said unto him, Foxes have holes, and birds of the air have nests; but the Son of man hath not where to lay his head.
 9:58	Who said, "Foxes have holes, and birds of the air ..."?	Jesus
 9:58	What did Jesus say in Luke 9:58?	Foxes have holes, and birds of the air have nests; but the Son of man hath not where to lay his head.
 9:59	Quote Luke 9:59?	And he said unto another, Follow me. But he said, Lord, suffer me first to go and bury my father.
 9:60	Finish this verse: Jesus said unto him, Let the dead ...?	bury their dead: but go thou and preach the kingdom of God.
 9:60	Who said, "Let the dead bury their dead ..."?	Jesus
 9:60	What did Jesus say in Luke 9:60?	Let the dead bury their dead: but go thou and preach the kingdom of God.
 9:61	Finish this verse: And another also said, Lord, I will follow thee ...?	but let me first go bid them farewell, which are at home at my house.
 9:62	Finish this verse: And Jesus said unto him, No man, having put ...?	his hand to the plough, and looking back, is fit for the kingdom of God.
 9:62	Who said, "No man, having put his hand to the ..."?	Jesus
 9:62	What did Jesus say in Luke 9:62?	No man, having put his hand to the plough, and looking back, is fit for the kingdom of God.
10: 1	Finish this verse: After these things the LORD appointed other seventy also, and sent ...?	them two and two before his face into every city and place, whither he himself would come.
10: 2	Finish this verse: Therefore said he unto them, The harvest truly is great, but the ...?	labourers are few: pray ye therefore the Lord of the harvest, that he would send forth labourers into his harvest.
10: 2	According to Luke 10:2, what was said unto them?	The harvest truly is great, but the labourers are few: pray ye therefore the Lord of the harvest, that he would send forth labourers into his harvest.
10: 3	Finish this verse: Go your ways: behold ...?	I send you forth as lambs among wolves.
10: 4	Quote Luke 10:4?	Carry neither purse, nor scrip, nor shoes: and salute no man by the way.
10: 5	Quote Luke 10:5?	And into whatsoever house ye enter, first say, Peace be to this house.
10: 6	Quote Luke 10:6?	And if the son of peace be there, your peace shall rest upon it: if not, it shall turn to you again.
10: 7	Quote Luke 10:7?	And in the same house remain, eating and drinking such things as they give: for the labourer is worthy of his hire. Go not from house to house.
10: 8	Finish this verse: And into whatsoever city ye enter, and ...?	they receive you, eat such things as are set before you
10: 9	Finish this verse: And heal the sick that are therein, and ...?	say unto them, The kingdom of God is come nigh unto you.
10:10	What does Luke 10:10 say?	But into whatsoever city ye enter, and they receive you not, go your ways out into the streets of the same, and say
10:11	What does Luke 10:11 say?	Even the very dust of your city, which cleaveth on us, we do wipe off against you: notwithstanding be ye sure of this, that the kingdom of God is come nigh unto you.
10:12	What does Luke 10:12 say?	But I say unto you, that it shall be more tolerable in that day for Sodom, than for that city.
10:13	What does Luke 10:13 say?	Woe unto thee, Chorazin! woe unto thee, Bethsaida! for if the mighty works had been done in Tyre and Sidon, which have been done in you, they had a great while ago repented, sitting in sackcloth and ashes.
10:13	Name the citys mentioned in Luke 10:13?	Chorazin, Bethsaida, Tyre, Sidon
10:14	How does this verse end: But it shall be more tolerable ...?	for Tyre and Sidon at the judgment, than for you.
10:14	Name the citys mentioned in Luke 10:14?	Tyre, Sidon
10:15	How does this verse end: And thou, Capernaum, which art ...?	exalted to heaven, shalt be thrust down to hell.
10:15	Name the city mentioned in Luke 10:15?	Capernaum
10:16	How does this verse end: He that heareth you heareth me; and he that ...?	despiseth you despiseth me; and he that despiseth me despiseth him that sent me.
10:17	How does this verse end: And the seventy returned again with joy ...?	saying, Lord, even the devils are subject unto us through thy name.
10:18	What does Luke 10:18 say?	And he said unto them, I beheld Satan as lightning fall from heaven.
10:18	According to Luke 10:18, what was said unto them?	I beheld Satan as lightning fall from heaven.
10:19	What does Luke 10:19 say?	Behold, I give unto you power to tread on serpents and scorpions, and over all the power of the enemy: and nothing shall by any means hurt you.
10:20	How does this verse end: Notwithstanding in this rejoice not, that the spirits ...?	are subject unto you; but rather rejoice, because your names are written in heaven.
10:21	How does this verse end: In that hour Jesus rejoiced in spirit, and said, I thank thee ...?	O Father, Lord of heaven and earth, that thou hast hid these things from the wise and prudent, and hast revealed them unto babes: even so, Father; for ...
10:22	How does this verse end: All things are delivered to me of my Father: and no man ...?	knoweth who the Son is, but the Father; and who the Father is, but the Son, and he to whom the Son will reveal him.
10:23	How does this verse end: And he turned him unto his disciples, and ...?	said privately, Blessed are the eyes which see the things that ye see
10:24	What does Luke 10:24 say?	For I tell you, that many prophets and kings have desired to see those things which ye see, and have not seen them; and to hear those things which ye hear, and have not heard them.
10:25	What does Luke 10:25 say?	And, behold, a certain lawyer stood up, and tempted him, saying, Master, what shall I do to inherit eternal life?
10:26	What does Luke 10:26 say?	He said unto him, What is written in the law? how readest thou?
10:27	What does Luke 10:27 say?	And he answering said, Thou shalt love the Lord thy God with all thy heart, and with all thy soul, and with all thy strength, and with all thy mind; and thy neighbour as thyself.
10:27	According to Luke 10:27, what was said?	Thou shalt love the Lord thy God with all thy heart, and with all thy soul, and with all thy strength, and with all thy mind; and thy neighbour as thyself.
10:28	How does this verse end: And he said unto him, Thou ...?	hast answered right: this do, and thou shalt live.
10:28	What was said unto him in Luke 10:28?	Thou hast answered right: this do, and thou shalt live.
10:29	How does this verse end: But he, willing to justify ...?	himself, said unto Jesus, And who is my neighbour?
10:30	What does Luke 10:30 say?	And Jesus answering said, A certain man went down from Jerusalem to Jericho, and fell among thieves, which stripped him of his raiment, and wounded him, and departed, leaving him half dead.
10:30	What did Jesus say in Luke 10:30?	A certain man went down from Jerusalem to Jericho, and fell among thieves, which stripped him of his raiment, and wounded him, and departed, leaving him half dead.
10:30	Name the citys mentioned in Luke 10:30?	Jerusalem, Jericho
10:31	What does Luke 10:31 say?	And by chance there came down a certain priest that way: and when he saw him, he passed by on the other side.
10:32	What does Luke 10:32 say?	And likewise a Levite, when he was at the place, came and looked on him, and passed by on the other side.
10:33	What does Luke 10:33 say?	But a certain Samaritan, as he journeyed, came where he was: and when he saw him, he had compassion on him
10:34	How does this verse end: And went to him, and bound up his wounds, pouring in oil ...?	and wine, and set him on his own beast, and brought him to an inn, and took care of him.
10:35	How does this verse end: And on the morrow when he departed, he took out two pence ...?	and gave them to the host, and said unto him, Take care of him; and whatsoever thou spendest more, when I come again, I will repay thee.
10:36	How does this verse end: Which now of these three, thinkest ...?	thou, was neighbour unto him that fell among the thieves?
10:37	How does this verse end: And he said, He that shewed mercy ...?	on him. Then said Jesus unto him, Go, and do thou likewise.
10:37	Who said, "Go, and do thou likewise ..."?	Jesus
10:37	What did Jesus say in Luke 10:37?	Go, and do thou likewise.
10:38	What does Luke 10:38 say?	Now it came to pass, as they went, that he entered into a certain village: and a certain woman named Martha received him into her house.
10:39	What does Luke 10:39 say?	And she had a sister called Mary, which also sat at Jesus' feet, and heard his word.
10:40	How does this verse end: But Martha was cumbered about much serving, and came to him, and ...?	said, Lord, dost thou not care that my sister hath left me to serve alone? bid her therefore that she help me.
10:40	Who said, "Lord, dost thou not care that my sister ..."?	Martha
10:40	Who was cumbered about much serving?	Martha
10:41	How does this verse end: And Jesus answered and said unto ...?	her, Martha, Martha, thou art careful and troubled about many things
10:41	Who said, "Martha, Martha, thou art careful and troubled about ..."?	Jesus
10:41	To whom did Jesus say, "Martha, Martha, thou art careful and troubled about ..."?	Martha
10:42	How does this verse end: But one thing is needful: and Mary hath ...?	chosen that good part, which shall not be taken away from her.
11: 1	Quote Luke 11:1?	And it came to pass, that, as he was praying in a certain place, when he ceased, one of his disciples said unto him, Lord, teach us to pray, as John also taught his disciples.
11: 1	Who said, "Lord, teach us to pray ..."?	His disciples
11: 1	What did his disciples say in Luke 11:1?	Lord, teach us to pray, as John also taught his disciples.
11: 2	Quote Luke 11:2?	And he said unto them, When ye pray, say, Our Father which art in heaven, Hallowed be thy name. Thy kingdom come. Thy will be done, as in heaven, so in earth.
11: 2	Who said, "When ye pray, say ..."?	Jesus
11: 2	To whom did Jesus say, "When ye pray, say ..."?	His disciples
11: 3	Quote Luke 11:3?	Give us day by day our daily bread.
11: 4	Finish this verse: And forgive us our sins; for we also forgive every ...?	one that is indebted to us. And lead us not into temptation; but deliver us from evil.
11: 5	Finish this verse: And he said unto them, Which of you shall have a ...?	friend, and shall go unto him at midnight, and say unto him, Friend, lend me three loaves
11: 5	According to Luke 11:5, what was said unto them?	Which of you shall have a friend, and shall go unto him at midnight, and say unto him, Friend, lend me three loaves
11: 5	How many loaves are spoken of in Luke 11:5?	Three loaves
11: 6	Finish this verse: For a friend of mine in his journey ...?	is come to me, and I have nothing to set before him?
11: 7	Finish this verse: And he from within shall answer and say, Trouble me not: the ...?	door is now shut, and my children are with me in bed; I cannot rise and give thee.
11: 8	Quote Luke 11:8?	I say unto you, Though he will not rise and give him, because he is his friend, yet because of his importunity he will rise and give him as many as he needeth.
11: 9	Quote Luke 11:9?	And I say unto you, Ask, and it shall be given you; seek, and ye shall find; knock, and it shall be opened unto you.
11:10	How does this verse end: For every one that asketh receiveth; and he ...?	that seeketh findeth; and to him that knocketh it shall be opened.
11:11	How does this verse end: If a son shall ask bread of any of you that is ...?	a father, will he give him a stone? or if he ask a fish, will he for a fish give him a serpent?
11:12	How does this verse end: Or if he shall ask ...?	an egg, will he offer him a scorpion?
11:13	How does this verse end: If ye then, being evil, know how to give good gifts unto ...?	your children: how much more shall your heavenly Father give the Holy Spirit to them that ask him?
11:14	What does Luke 11:14 say?	And he was casting out a devil, and it was dumb. And it came to pass, when the devil was gone out, the dumb spake; and the people wondered.
11:15	What does Luke 11:15 say?	But some of them said, He casteth out devils through Beelzebub the chief of the devils.
11:16	What does Luke 11:16 say?	And others, tempting him, sought of him a sign from heaven.
11:17	What does Luke 11:17 say?	But he, knowing their thoughts, said unto them, Every kingdom divided against itself is brought to desolation; and a house divided against a house falleth.
11:18	How does this verse end: If Satan also be divided against himself, how ...?	shall his kingdom stand? because ye say that I cast out devils through Beelzebub.
11:19	How does this verse end: And if I by Beelzebub cast out devils ...?	by whom do your sons cast them out? therefore shall they be your judges.
11:20	What does Luke 11:20 say?	But if I with the finger of God cast out devils, no doubt the kingdom of God is come upon you.
11:21	What does Luke 11:21 say?	When a strong man armed keepeth his palace, his goods are in peace
11:22	What does Luke 11:22 say?	But when a stronger than he shall come upon him, and overcome him, he taketh from him all his armour wherein he trusted, and divideth his spoils.
11:23	What does Luke 11:23 say?	He that is not with me is against me: and he that gathereth not with me scattereth.
11:24	How does this verse end: When the unclean spirit is gone out of a man, he walketh ...?	through dry places, seeking rest; and finding none, he saith, I will return unto my house whence I came out.
11:24	What was said in Luke 11:24?	I will return unto my house whence I came out.
11:25	How does this verse end: And when he cometh ...?	he findeth it swept and garnished.
11:26	How does this verse end: Then goeth he, and taketh to him seven other spirits more wicked ...?	than himself; and they enter in, and dwell there: and the last state of that man is worse than the first.
11:27	How does this verse end: And it came to pass, as he spake these things, a certain ...?	woman of the company lifted up her voice, and said unto him, Blessed is the womb that bare thee, and the paps which thou hast sucked.
11:28	What does Luke 11:28 say?	But he said, Yea rather, blessed are they that hear the word of God, and keep it.
11:29	What does Luke 11:29 say?	And when the people were gathered thick together, he began to say, This is an evil generation: they seek a sign; and there shall no sign be given it, but the sign of Jonas the prophet.
11:30	How does this verse end: For as Jonas was a sign unto the ...?	Ninevites, so shall also the Son of man be to this generation.
11:31	How does this verse end: The queen of the south shall rise up in the judgment with ...?	the men of this generation, and condemn them: for she came from the utmost parts of the earth to hear the wisdom of Solomon; and, behold, a greater than ...
11:32	How does this verse end: The men of Nineve shall rise up in the judgment with this ...?	generation, and shall condemn it: for they repented at the preaching of Jonas; and, behold, a greater than Jonas is here.
11:32	Name the city mentioned in Luke 11:32?	Nineve
11:33	How does this verse end: No man, when he hath lighted a candle, putteth it in a ...?	secret place, neither under a bushel, but on a candlestick, that they which come in may see the light.
11:34	What does Luke 11:34 say?	The light of the body is the eye: therefore when thine eye is single, thy whole body also is full of light; but when thine eye is evil, thy body also is full of darkness.
11:35	What does Luke 11:35 say?	Take heed therefore that the light which is in thee be not darkness.
11:36	What does Luke 11:36 say?	If thy whole body therefore be full of light, having no part dark, the whole shall be full of light, as when the bright shining of a candle doth give thee light.
11:37	What does Luke 11:37 say?	And as he spake, a certain Pharisee besought him to dine with him: and he went in, and sat down to meat.
11:38	How does this verse end: And when the Pharisee saw it ...?	he marvelled that he had not first washed before dinner.
11:39	How does this verse end: And the Lord said unto him, Now do ye Pharisees make clean ...?	the outside of the cup and the platter; but your inward part is full of ravening and wickedness.
11:39	Who said, "Now do ye Pharisees make clean the outside ..."?	The Lord
11:40	What does Luke 11:40 say?	Ye fools, did not he that made that which is without make that which is within also?
11:41	What does Luke 11:41 say?	But rather give alms of such things as ye have; and, behold, all things are clean unto you.
11:42	What does Luke 11:42 say?	But woe unto you, Pharisees! for ye tithe mint and rue and all manner of herbs, and pass over judgment and the love of God: these ought ye to have done, and not to leave the other undone.
11:43	What does Luke 11:43 say?	Woe unto you, Pharisees! for ye love the uppermost seats in the synagogues, and greetings in the markets.
11:44	How does this verse end: Woe unto you, scribes and Pharisees, hypocrites! for ye are ...?	as graves which appear not, and the men that walk over them are not aware of them.
11:45	How does this verse end: Then answered one of the lawyers ...?	and said unto him, Master, thus saying thou reproachest us also.
11:46	How does this verse end: And he said, Woe unto you also, ye lawyers! for ye lade ...?	men with burdens grievous to be borne, and ye yourselves touch not the burdens with one of your fingers.
11:46	What was said in Luke 11:46?	Woe unto you also, ye lawyers! for ye lade men with burdens grievous to be borne, and ye yourselves touch not the burdens with one of your fingers.
11:47	How does this verse end: Woe unto you! for ye build ...?	the sepulchres of the prophets, and your fathers killed them.
11:48	What does Luke 11:48 say?	Truly ye bear witness that ye allow the deeds of your fathers: for they indeed killed them, and ye build their sepulchres.
11:49	What does Luke 11:49 say?	Therefore also said the wisdom of God, I will send them prophets and apostles, and some of them they shall slay and persecute
11:50	How does this verse end: That the blood of all the prophets, which ...?	was shed from the foundation of the world, may be required of this generation
11:51	How does this verse end: From the blood of Abel unto the blood of Zacharias, which perished ...?	between the altar and the temple: verily I say unto you, It shall be required of this generation.
11:51	Name the persons mentioned in Luke 11:51?	Abel, Zacharias
11:52	How does this verse end: Woe unto you, lawyers! for ye have taken away the ...?	key of knowledge: ye entered not in yourselves, and them that were entering in ye hindered.
11:53	How does this verse end: And as he said these things unto them, the scribes ...?	and the Pharisees began to urge him vehemently, and to provoke him to speak of many things
11:54	What does Luke 11:54 say?	Laying wait for him, and seeking to catch something out of his mouth, that they might accuse him.
12: 1	Finish this verse: In the mean time, when there were gathered together an innumerable multitude ...?	of people, insomuch that they trode one upon another, he began to say unto his disciples first of all, Beware ye of the leaven of the ...
12: 2	Finish this verse: For there is nothing covered, that ...?	shall not be revealed; neither hid, that shall not be known.
12: 3	Finish this verse: Therefore whatsoever ye have spoken in darkness shall be heard in the ...?	light; and that which ye have spoken in the ear in closets shall be proclaimed upon the housetops.
12: 4	Quote Luke 12:4?	And I say unto you my friends, Be not afraid of them that kill the body, and after that have no more that they can do.
12: 5	Quote Luke 12:5?	But I will forewarn you whom ye shall fear: Fear him, which after he hath killed hath power to cast into hell; yea, I say unto you, Fear him.
12: 6	Quote Luke 12:6?	Are not five sparrows sold for two farthings, and not one of them is forgotten before God?
12: 7	Quote Luke 12:7?	But even the very hairs of your head are all numbered. Fear not therefore: ye are of more value than many sparrows.
12: 8	Finish this verse: Also I say unto you, Whosoever shall confess me ...?	before men, him shall the Son of man also confess before the angels of God
12: 9	Finish this verse: But he that denieth me before ...?	men shall be denied before the angels of God.
12:10	How does this verse end: And whosoever shall speak a word against the Son of man, it ...?	shall be forgiven him: but unto him that blasphemeth against the Holy Ghost it shall not be forgiven.
12:11	How does this verse end: And when they bring you unto the synagogues, and unto magistrates ...?	and powers, take ye no thought how or what thing ye shall answer, or what ye shall say
12:12	How does this verse end: For the Holy Ghost shall teach ...?	you in the same hour what ye ought to say.
12:13	How does this verse end: And one of the company said unto him ...?	Master, speak to my brother, that he divide the inheritance with me.
12:14	What does Luke 12:14 say?	And he said unto him, Man, who made me a judge or a divider over you?
12:15	What does Luke 12:15 say?	And he said unto them, Take heed, and beware of covetousness: for a man's life consisteth not in the abundance of the things which he possesseth.
12:16	What does Luke 12:16 say?	And he spake a parable unto them, saying, The ground of a certain rich man brought forth plentifully
12:17	What does Luke 12:17 say?	And he thought within himself, saying, What shall I do, because I have no room where to bestow my fruits?
12:18	How does this verse end: And he said, This will I do: I will pull ...?	down my barns, and build greater; and there will I bestow all my fruits and my goods.
12:19	How does this verse end: And I will say to my soul, Soul, thou hast ...?	much goods laid up for many years; take thine ease, eat, drink, and be merry.
12:20	What does Luke 12:20 say?	But God said unto him, Thou fool, this night thy soul shall be required of thee: then whose shall those things be, which thou hast provided?
12:21	What does Luke 12:21 say?	So is he that layeth up treasure for himself, and is not rich toward God.
12:22	What does Luke 12:22 say?	And he said unto his disciples, Therefore I say unto you, Take no thought for your life, what ye shall eat; neither for the body, what ye shall put on.
12:22	Who said, "Therefore I say unto you ..."?	Jesus
12:22	To whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:23	What does Luke 12:23 say?	The life is more than meat, and the body is more than raiment.
12:24	How does this verse end: Consider the ravens: for they neither sow nor reap; which neither ...?	have storehouse nor barn; and God feedeth them: how much more are ye better than the fowls?
12:25	How does this verse end: And which of you with ...?	taking thought can add to his stature one cubit?
12:26	How does this verse end: If ye then be not able to do ...?	that thing which is least, why take ye thought for the rest?
12:27	How does this verse end: Consider the lilies how they grow: they toil not, they spin not ...?	and yet I say unto you, that Solomon in all his glory was not arrayed like one of these.
12:28	What does Luke 12:28 say?	If then God so clothe the grass, which is to day in the field, and to morrow is cast into the oven; how much more will he clothe you, O ye of little faith?
12:29	What does Luke 12:29 say?	And seek not ye what ye shall eat, or what ye shall drink, neither be ye of doubtful mind.
12:30	How does this verse end: For all these things do the nations of the ...?	world seek after: and your Father knoweth that ye have need of these things.
12:31	How does this verse end: But rather seek ye the kingdom ...?	of God; and all these things shall be added unto you.
12:32	How does this verse end: Fear not, little flock; for it ...?	is your Father's good pleasure to give you the kingdom.
12:33	How does this verse end: Sell that ye have, and give alms; provide yourselves bags which ...?	wax not old, a treasure in the heavens that faileth not, where no thief approacheth, neither moth corrupteth.
12:34	What does Luke 12:34 say?	For where your treasure is, there will your heart be also.
12:35	What does Luke 12:35 say?	Let your loins be girded about, and your lights burning
12:36	What does Luke 12:36 say?	And ye yourselves like unto men that wait for their lord, when he will return from the wedding; that when he cometh and knocketh, they may open unto him immediately.
12:37	What does Luke 12:37 say?	Blessed are those servants, whom the lord when he cometh shall find watching: verily I say unto you, that he shall gird himself, and make them to sit down to meat, and will come forth and serve them.
12:38	How does this verse end: And if he shall come in the second watch ...?	or come in the third watch, and find them so, blessed are those servants.
12:39	How does this verse end: And this know, that if the goodman of the house had known ...?	what hour the thief would come, he would have watched, and not have suffered his house to be broken through.
12:40	What does Luke 12:40 say?	Be ye therefore ready also: for the Son of man cometh at an hour when ye think not.
12:41	What does Luke 12:41 say?	Then Peter said unto him, Lord, speakest thou this parable unto us, or even to all?
12:41	Who said, "Lord, speakest thou this parable unto us ..."?	Peter
12:42	What does Luke 12:42 say?	And the Lord said, Who then is that faithful and wise steward, whom his lord shall make ruler over his household, to give them their portion of meat in due season?
12:43	What does Luke 12:43 say?	Blessed is that servant, whom his lord when he cometh shall find so doing.
12:44	How does this verse end: Of a truth I say unto you ...?	that he will make him ruler over all that he hath.
12:45	How does this verse end: But and if that servant say in his heart, My lord delayeth ...?	his coming; and shall begin to beat the menservants and maidens, and to eat and drink, and to be drunken
12:46	How does this verse end: The lord of that servant will come in a day when he ...?	looketh not for him, and at an hour when he is not aware, and will cut him in sunder, and will appoint him his portion with the unbelievers.
12:47	How does this verse end: And that servant, which knew his lord's will, and ...?	prepared not himself, neither did according to his will, shall be beaten with many stripes.
12:49	What does Luke 12:49 say?	I am come to send fire on the earth; and what will I, if it be already kindled?
12:50	How does this verse end: But I have a baptism to be ...?	baptized with; and how am I straitened till it be accomplished!
12:51	How does this verse end: Suppose ye that I am come to ...?	give peace on earth? I tell you, Nay; but rather division
12:52	How does this verse end: For from henceforth there shall be five ...?	in one house divided, three against two, and two against three.
12:53	How does this verse end: The father shall be divided against the son, and the son against ...?	the father; the mother against the daughter, and the daughter against the mother; the mother in law against her daughter in law, and the daughter ...
12:54	What does Luke 12:54 say?	And he said also to the people, When ye see a cloud rise out of the west, straightway ye say, There cometh a shower; and so it is.
12:55	What does Luke 12:55 say?	And when ye see the south wind blow, ye say, There will be heat; and it cometh to pass.
12:56	What does Luke 12:56 say?	Ye hypocrites, ye can discern the face of the sky and of the earth; but how is it that ye do not discern this time?
12:57	What does Luke 12:57 say?	Yea, and why even of yourselves judge ye not what is right?
12:58	How does this verse end: When thou goest with thine adversary to the magistrate, as thou art ...?	in the way, give diligence that thou mayest be delivered from him; lest he hale thee to the judge, and the judge deliver thee to the officer ...
12:59	How does this verse end: I tell thee, thou shalt not ...?	depart thence, till thou hast paid the very last mite.
13: 1	Quote Luke 13:1?	There were present at that season some that told him of the Galilaeans, whose blood Pilate had mingled with their sacrifices.
13: 2	Quote Luke 13:2?	And Jesus answering said unto them, Suppose ye that these Galilaeans were sinners above all the Galilaeans, because they suffered such things?
13: 2	Who said, "Suppose ye that these Galilaeans were sinners above ..."?	Jesus
13: 3	Quote Luke 13:3?	I tell you, Nay: but, except ye repent, ye shall all likewise perish.
13: 4	Finish this verse: Or those eighteen, upon whom the tower in Siloam fell ...?	and slew them, think ye that they were sinners above all men that dwelt in Jerusalem?
13: 5	Finish this verse: I tell you, Nay: but ...?	except ye repent, ye shall all likewise perish.
13: 6	Finish this verse: He spake also this parable; A certain man had a ...?	fig tree planted in his vineyard; and he came and sought fruit thereon, and found none.
13: 7	Finish this verse: Then said he unto the dresser of his vineyard, Behold, these three ...?	years I come seeking fruit on this fig tree, and find none: cut it down; why cumbereth it the ground?
13: 8	Quote Luke 13:8?	And he answering said unto him, Lord, let it alone this year also, till I shall dig about it, and dung it
13: 8	What was said unto him in Luke 13:8?	Lord, let it alone this year also, till I shall dig about it, and dung it
13: 9	Quote Luke 13:9?	And if it bear fruit, well: and if not, then after that thou shalt cut it down.
13:10	What does Luke 13:10 say?	And he was teaching in one of the synagogues on the sabbath.
13:11	What does Luke 13:11 say?	And, behold, there was a woman which had a spirit of infirmity eighteen years, and was bowed together, and could in no wise lift up herself.
13:12	What does Luke 13:12 say?	And when Jesus saw her, he called her to him, and said unto her, Woman, thou art loosed from thine infirmity.
13:12	When Jesus saw her, what happened?	He called her to him, and said unto her, Woman, thou art loosed from thine infirmity
13:13	What does Luke 13:13 say?	And he laid his hands on her: and immediately she was made straight, and glorified God.
13:14	How does this verse end: And the ruler of the synagogue answered with indignation, because that Jesus ...?	had healed on the sabbath day, and said unto the people, There are six days in which men ought to work: in them therefore come and be ...
13:14	Who said, "There are six days in which men ought ..."?	The ruler
13:14	To whom did the ruler say, "There are six days in which men ought ..."?	The people
13:15	How does this verse end: The Lord then answered him, and said, Thou hypocrite, doth not each ...?	one of you on the sabbath loose his ox or his ass from the stall, and lead him away to watering?
13:16	How does this verse end: And ought not this woman, being a daughter of Abraham ...?	whom Satan hath bound, lo, these eighteen years, be loosed from this bond on the sabbath day?
13:16	How many years are spoken of in Luke 13:16?	Eighteen years
13:16	Name the persons mentioned in Luke 13:16?	Abraham, Satan
13:17	How does this verse end: And when he had said these things, all his adversaries ...?	were ashamed: and all the people rejoiced for all the glorious things that were done by him.
13:18	What does Luke 13:18 say?	Then said he, Unto what is the kingdom of God like? and whereunto shall I resemble it?
13:18	According to Luke 13:18, what was said?	Unto what is the kingdom of God like? and whereunto shall I resemble it?
13:19	What does Luke 13:19 say?	It is like a grain of mustard seed, which a man took, and cast into his garden; and it grew, and waxed a great tree; and the fowls of the air lodged in the branches of it.
13:20	How does this verse end: And again he said ...?	Whereunto shall I liken the kingdom of God?
13:21	How does this verse end: It is like leaven, which a woman took ...?	and hid in three measures of meal, till the whole was leavened.
13:22	How does this verse end: And he went through the ...?	cities and villages, teaching, and journeying toward Jerusalem.
13:23	How does this verse end: Then said one unto him, Lord ...?	are there few that be saved? And he said unto them
13:24	What does Luke 13:24 say?	Strive to enter in at the strait gate: for many, I say unto you, will seek to enter in, and shall not be able.
13:26	What does Luke 13:26 say?	Then shall ye begin to say, We have eaten and drunk in thy presence, and thou hast taught in our streets.
13:27	What does Luke 13:27 say?	But he shall say, I tell you, I know you not whence ye are; depart from me, all ye workers of iniquity.
13:28	How does this verse end: There shall be weeping and gnashing of teeth, when ye shall see ...?	Abraham, and Isaac, and Jacob, and all the prophets, in the kingdom of God, and you yourselves thrust out.
13:29	How does this verse end: And they shall come from the east, and from the west ...?	and from the north, and from the south, and shall sit down in the kingdom of God.
13:30	What does Luke 13:30 say?	And, behold, there are last which shall be first, and there are first which shall be last.
13:31	What does Luke 13:31 say?	The same day there came certain of the Pharisees, saying unto him, Get thee out, and depart hence: for Herod will kill thee.
13:32	What does Luke 13:32 say?	And he said unto them, Go ye, and tell that fox, Behold, I cast out devils, and I do cures to day and to morrow, and the third day I shall be perfected.
13:32	Who said, "Go ye, and tell that fox ..."?	Jesus
13:32	To whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
13:33	What does Luke 13:33 say?	Nevertheless I must walk to day, and to morrow, and the day following: for it cannot be that a prophet perish out of Jerusalem.
13:34	How does this verse end: O Jerusalem, Jerusalem, which killest the prophets, and stonest them that are ...?	sent unto thee; how often would I have gathered thy children together, as a hen doth gather her brood under her wings, and ye would not!
13:34	Name the city mentioned in Luke 13:34?	Jerusalem
13:35	How does this verse end: Behold, your house is left unto you desolate: and verily I say ...?	unto you, Ye shall not see me, until the time come when ye shall say, Blessed is he that cometh in the name of the Lord.
14: 1	Finish this verse: And it came to pass, as he went into the house ...?	of one of the chief Pharisees to eat bread on the sabbath day, that they watched him.
14: 2	Finish this verse: And, behold, there was a ...?	certain man before him which had the dropsy.
14: 3	Finish this verse: And Jesus answering spake unto the lawyers ...?	and Pharisees, saying, Is it lawful to heal on the sabbath day?
14: 4	Quote Luke 14:4?	And they held their peace. And he took him, and healed him, and let him go
14: 5	Quote Luke 14:5?	And answered them, saying, Which of you shall have an ass or an ox fallen into a pit, and will not straightway pull him out on the sabbath day?
14: 6	Quote Luke 14:6?	And they could not answer him again to these things.
14: 7	Quote Luke 14:7?	And he put forth a parable to those which were bidden, when he marked how they chose out the chief rooms; saying unto them
14: 8	Finish this verse: When thou art bidden of any man to a wedding, sit ...?	not down in the highest room; lest a more honourable man than thou be bidden of him
14: 9	Finish this verse: And he that bade thee and him come and say ...?	to thee, Give this man place; and thou begin with shame to take the lowest room.
14:10	How does this verse end: But when thou art bidden, go and sit down in the lowest ...?	room; that when he that bade thee cometh, he may say unto thee, Friend, go up higher: then shalt thou have worship in the presence of them that sit at meat ...
14:11	How does this verse end: For whosoever exalteth himself shall be ...?	abased; and he that humbleth himself shall be exalted.
14:12	How does this verse end: Then said he also to him that bade him, When thou makest ...?	a dinner or a supper, call not thy friends, nor thy brethren, neither thy kinsmen, nor thy rich neighbours; lest they also bid thee again, and a recompence ...
14:13	How does this verse end: But when thou makest a feast ...?	call the poor, the maimed, the lame, the blind
14:14	What does Luke 14:14 say?	And thou shalt be blessed; for they cannot recompense thee: for thou shalt be recompensed at the resurrection of the just.
14:15	What does Luke 14:15 say?	And when one of them that sat at meat with him heard these things, he said unto him, Blessed is he that shall eat bread in the kingdom of God.
14:16	What does Luke 14:16 say?	Then said he unto him, A certain man made a great supper, and bade many
14:17	What does Luke 14:17 say?	And sent his servant at supper time to say to them that were bidden, Come; for all things are now ready.
14:18	How does this verse end: And they all with one consent began to make excuse. The first ...?	said unto him, I have bought a piece of ground, and I must needs go and see it: I pray thee have me excused.
14:19	How does this verse end: And another said, I have bought five yoke ...?	of oxen, and I go to prove them: I pray thee have me excused.
14:20	What does Luke 14:20 say?	And another said, I have married a wife, and therefore I cannot come.
14:22	What does Luke 14:22 say?	And the servant said, Lord, it is done as thou hast commanded, and yet there is room.
14:22	What did the servant say in Luke 14:22?	Lord, it is done as thou hast commanded, and yet there is room.
14:23	What does Luke 14:23 say?	And the lord said unto the servant, Go out into the highways and hedges, and compel them to come in, that my house may be filled.
14:23	Who said, "Go out into the highways and hedges ..."?	The lord
14:23	What did the lord say unto the servant in Luke 14:23?	Go out into the highways and hedges, and compel them to come in, that my house may be filled.
14:24	How does this verse end: For I say unto you, That none ...?	of those men which were bidden shall taste of my supper.
14:25	How does this verse end: And there went great multitudes ...?	with him: and he turned, and said unto them
14:26	How does this verse end: If any man come to me, and hate not his father, and ...?	mother, and wife, and children, and brethren, and sisters, yea, and his own life also, he cannot be my disciple.
14:27	How does this verse end: And whosoever doth not bear his ...?	cross, and come after me, cannot be my disciple.
14:28	What does Luke 14:28 say?	For which of you, intending to build a tower, sitteth not down first, and counteth the cost, whether he have sufficient to finish it?
14:29	What does Luke 14:29 say?	Lest haply, after he hath laid the foundation, and is not able to finish it, all that behold it begin to mock him
14:30	How does this verse end: Saying, This man began ...?	to build, and was not able to finish.
14:31	How does this verse end: Or what king, going to make war against another king, sitteth not ...?	down first, and consulteth whether he be able with ten thousand to meet him that cometh against him with twenty thousand?
14:32	How does this verse end: Or else, while the other is yet a ...?	great way off, he sendeth an ambassage, and desireth conditions of peace.
14:33	How does this verse end: So likewise, whosoever he be of you ...?	that forsaketh not all that he hath, he cannot be my disciple.
14:34	What does Luke 14:34 say?	Salt is good: but if the salt have lost his savour, wherewith shall it be seasoned?
14:35	What does Luke 14:35 say?	It is neither fit for the land, nor yet for the dunghill; but men cast it out. He that hath ears to hear, let him hear.
15: 1	Quote Luke 15:1?	Then drew near unto him all the publicans and sinners for to hear him.
15: 2	Quote Luke 15:2?	And the Pharisees and scribes murmured, saying, This man receiveth sinners, and eateth with them.
15: 3	Quote Luke 15:3?	And he spake this parable unto them, saying
15: 4	Finish this verse: What man of you, having an hundred sheep, if he lose one ...?	of them, doth not leave the ninety and nine in the wilderness, and go after that which is lost, until he find it?
15: 5	Finish this verse: And when he hath found ...?	it, he layeth it on his shoulders, rejoicing.
15: 6	Finish this verse: And when he cometh home, he calleth together his friends ...?	and neighbours, saying unto them, Rejoice with me; for I have found my sheep which was lost.
15: 7	Finish this verse: I say unto you, that likewise joy shall be in heaven ...?	over one sinner that repenteth, more than over ninety and nine just persons, which need no repentance.
15: 8	Quote Luke 15:8?	Either what woman having ten pieces of silver, if she lose one piece, doth not light a candle, and sweep the house, and seek diligently till she find it?
15: 8	How many pieces are spoken of in Luke 15:8?	Ten pieces
15: 9	Quote Luke 15:9?	And when she hath found it, she calleth her friends and her neighbours together, saying, Rejoice with me; for I have found the piece which I had lost.
15:10	What does Luke 15:10 say?	Likewise, I say unto you, there is joy in the presence of the angels of God over one sinner that repenteth.
15:11	What does Luke 15:11 say?	And he said, A certain man had two sons
15:11	According to Luke 15:11, what was said?	A certain man had two sons
15:12	What does Luke 15:12 say?	And the younger of them said to his father, Father, give me the portion of goods that falleth to me. And he divided unto them his living.
15:13	What does Luke 15:13 say?	And not many days after the younger son gathered all together, and took his journey into a far country, and there wasted his substance with riotous living.
15:14	How does this verse end: And when he had spent all, there arose ...?	a mighty famine in that land; and he began to be in want.
15:15	How does this verse end: And he went and joined himself to a ...?	citizen of that country; and he sent him into his fields to feed swine.
15:16	How does this verse end: And he would fain have filled his belly ...?	with the husks that the swine did eat: and no man gave unto him.
15:17	How does this verse end: And when he came to himself, he said, How many ...?	hired servants of my father's have bread enough and to spare, and I perish with hunger!
15:18	What does Luke 15:18 say?	I will arise and go to my father, and will say unto him, Father, I have sinned against heaven, and before thee
15:19	What does Luke 15:19 say?	And am no more worthy to be called thy son: make me as one of thy hired servants.
15:20	How does this verse end: And he arose, and came to his father. But when he was ...?	yet a great way off, his father saw him, and had compassion, and ran, and fell on his neck, and kissed him.
15:21	How does this verse end: And the son said unto him, Father, I have sinned ...?	against heaven, and in thy sight, and am no more worthy to be called thy son.
15:21	What did the son say in Luke 15:21?	Father, I have sinned against heaven, and in thy sight, and am no more worthy to be called thy son.
15:22	How does this verse end: But the father said to his servants, Bring forth the best ...?	robe, and put it on him; and put a ring on his hand, and shoes on his feet
15:22	To whom did the father say, "Bring forth the best robe ..."?	His servants
15:23	How does this verse end: And bring hither the fatted calf ...?	and kill it; and let us eat, and be merry
15:24	What does Luke 15:24 say?	For this my son was dead, and is alive again; he was lost, and is found. And they began to be merry.
15:25	What does Luke 15:25 say?	Now his elder son was in the field: and as he came and drew nigh to the house, he heard musick and dancing.
15:26	What does Luke 15:26 say?	And he called one of the servants, and asked what these things meant.
15:27	What does Luke 15:27 say?	And he said unto him, Thy brother is come; and thy father hath killed the fatted calf, because he hath received him safe and sound.
15:28	How does this verse end: And he was angry, and would ...?	not go in: therefore came his father out, and intreated him.
15:29	How does this verse end: And he answering said to his father, Lo, these many years do ...?	I serve thee, neither transgressed I at any time thy commandment: and yet thou never gavest me a kid, that I might make merry with my friends
15:30	What does Luke 15:30 say?	But as soon as this thy son was come, which hath devoured thy living with harlots, thou hast killed for him the fatted calf.
15:31	What does Luke 15:31 say?	And he said unto him, Son, thou art ever with me, and all that I have is thine.
15:31	According to Luke 15:31, what was said unto him?	Son, thou art ever with me, and all that I have is thine.
15:32	What does Luke 15:32 say?	It was meet that we should make merry, and be glad: for this thy brother was dead, and is alive again; and was lost, and is found.
16: 1	Finish this verse: And he said also unto his disciples, There was a certain rich ...?	man, which had a steward; and the same was accused unto him that he had wasted his goods.
16: 2	Finish this verse: And he called him, and said unto him, How is it that ...?	I hear this of thee? give an account of thy stewardship; for thou mayest be no longer steward.
16: 2	According to Luke 16:2, what was said unto him?	How is it that I hear this of thee? give an account of thy stewardship; for thou mayest be no longer steward.
16: 3	Finish this verse: Then the steward said within himself, What shall I ...?	do? for my lord taketh away from me the stewardship: I cannot dig; to beg I am ashamed.
16: 4	Quote Luke 16:4?	I am resolved what to do, that, when I am put out of the stewardship, they may receive me into their houses.
16: 5	Quote Luke 16:5?	So he called every one of his lord's debtors unto him, and said unto the first, How much owest thou unto my lord?
16: 5	Who said, "How much owest thou unto my ..."?	Jesus
16: 5	To whom did Jesus say, "How much owest thou unto my ..."?	The first
16: 6	Quote Luke 16:6?	And he said, An hundred measures of oil. And he said unto him, Take thy bill, and sit down quickly, and write fifty.
16: 6	What was said in Luke 16:6?	An hundred measures of oil
16: 6	How many measures are spoken of in Luke 16:6?	An hundred measures
16: 7	Quote Luke 16:7?	Then said he to another, And how much owest thou? And he said, An hundred measures of wheat. And he said unto him, Take thy bill, and write fourscore.
16: 7	What was said in Luke 16:7?	An hundred measures of wheat
16: 7	How many measures are spoken of in Luke 16:7?	An hundred measures
16: 8	Finish this verse: And the lord commended the unjust steward, because he had done ...?	wisely: for the children of this world are in their generation wiser than the children of light.
16: 9	Finish this verse: And I say unto you, Make to yourselves friends of ...?	the mammon of unrighteousness; that, when ye fail, they may receive you into everlasting habitations.
16:10	What does Luke 16:10 say?	He that is faithful in that which is least is faithful also in much: and he that is unjust in the least is unjust also in much.
16:11	What does Luke 16:11 say?	If therefore ye have not been faithful in the unrighteous mammon, who will commit to your trust the true riches?
16:12	What does Luke 16:12 say?	And if ye have not been faithful in that which is another man's, who shall give you that which is your own?
16:13	What does Luke 16:13 say?	No servant can serve two masters: for either he will hate the one, and love the other; or else he will hold to the one, and despise the other. Ye cannot serve God and mammon.
16:13	How many masters are spoken of in Luke 16:13?	Two masters
16:14	How does this verse end: And the Pharisees also, who were ...?	covetous, heard all these things: and they derided him.
16:15	How does this verse end: And he said unto them, Ye are they which justify yourselves before ...?	men; but God knoweth your hearts: for that which is highly esteemed among men is abomination in the sight of God.
16:15	Who said, "Ye are they which justify yourselves before men ..."?	Jesus
16:15	To whom did Jesus say, "Ye are they which justify yourselves before men ..."?	The Pharisees
16:16	How does this verse end: The law and the prophets were until John: since ...?	that time the kingdom of God is preached, and every man presseth into it.
16:17	How does this verse end: And it is easier for heaven and ...?	earth to pass, than one tittle of the law to fail.
16:18	What does Luke 16:18 say?	Whosoever putteth away his wife, and marrieth another, committeth adultery: and whosoever marrieth her that is put away from her husband committeth adultery.
16:19	What does Luke 16:19 say?	There was a certain rich man, which was clothed in purple and fine linen, and fared sumptuously every day
16:20	How does this verse end: And there was a certain beggar ...?	named Lazarus, which was laid at his gate, full of sores
16:21	How does this verse end: And desiring to be fed with the crumbs which ...?	fell from the rich man's table: moreover the dogs came and licked his sores.
16:22	How does this verse end: And it came to pass, that the beggar died, and ...?	was carried by the angels into Abraham's bosom: the rich man also died, and was buried
16:23	How does this verse end: And in hell he lift up his eyes ...?	being in torments, and seeth Abraham afar off, and Lazarus in his bosom.
16:24	What does Luke 16:24 say?	And he cried and said, Father Abraham, have mercy on me, and send Lazarus, that he may dip the tip of his finger in water, and cool my tongue; for I am tormented in this flame.
16:25	What does Luke 16:25 say?	But Abraham said, Son, remember that thou in thy lifetime receivedst thy good things, and likewise Lazarus evil things: but now he is comforted, and thou art tormented.
16:25	What did Abraham say in Luke 16:25?	Son, remember that thou in thy lifetime receivedst thy good things, and likewise Lazarus evil things: but now he is comforted, and thou art tormented.
16:26	What does Luke 16:26 say?	And beside all this, between us and you there is a great gulf fixed: so that they which would pass from hence to you cannot; neither can they pass to us, that would come from thence.
16:27	What does Luke 16:27 say?	Then he said, I pray thee therefore, father, that thou wouldest send him to my father's house
16:27	According to Luke 16:27, what was said?	I pray thee therefore, father, that thou wouldest send him to my father's house
16:28	How does this verse end: For I have five brethren; that he may ...?	testify unto them, lest they also come into this place of torment.
16:29	How does this verse end: Abraham saith unto him, They ...?	have Moses and the prophets; let them hear them.
16:29	Who said, "They have Moses and the prophets ..."?	Abraham
16:30	What does Luke 16:30 say?	And he said, Nay, father Abraham: but if one went unto them from the dead, they will repent.
16:31	What does Luke 16:31 say?	And he said unto him, If they hear not Moses and the prophets, neither will they be persuaded, though one rose from the dead.
16:31	According to Luke 16:31, what was said unto him?	If they hear not Moses and the prophets, neither will they be persuaded, though one rose from the dead.
17: 1	Quote Luke 17:1?	Then said he unto the disciples, It is impossible but that offences will come: but woe unto him, through whom they come!
17: 1	To whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
17: 1	What was said unto the disciples in Luke 17:1?	It is impossible but that offences will come: but woe unto him, through whom they come!
17: 2	Quote Luke 17:2?	It were better for him that a millstone were hanged about his neck, and he cast into the sea, than that he should offend one of these little ones.
17: 3	Quote Luke 17:3?	Take heed to yourselves: If thy brother trespass against thee, rebuke him; and if he repent, forgive him.
17: 4	Finish this verse: And if he trespass against thee seven times in a day ...?	and seven times in a day turn again to thee, saying, I repent; thou shalt forgive him.
17: 5	Finish this verse: And the apostles said ...?	unto the Lord, Increase our faith.
17: 6	Finish this verse: And the Lord said, If ye had faith as a grain of ...?	mustard seed, ye might say unto this sycamine tree, Be thou plucked up by the root, and be thou planted in the sea; and it should obey you.
17: 6	What did the Lord say in Luke 17:6?	If ye had faith as a grain of mustard seed, ye might say unto this sycamine tree, Be thou plucked up by the root, and be thou planted in the sea; and it should obey you.
17: 7	Finish this verse: But which of you, having a servant plowing or feeding cattle, will ...?	say unto him by and by, when he is come from the field, Go and sit down to meat?
17: 8	Quote Luke 17:8?	And will not rather say unto him, Make ready wherewith I may sup, and gird thyself, and serve me, till I have eaten and drunken; and afterward thou shalt eat and drink?
17: 9	Quote Luke 17:9?	Doth he thank that servant because he did the things that were commanded him? I trow not.
17:10	How does this verse end: So likewise ye, when ye shall have done all those things which ...?	are commanded you, say, We are unprofitable servants: we have done that which was our duty to do.
17:11	How does this verse end: And it came to pass, as he went ...?	to Jerusalem, that he passed through the midst of Samaria and Galilee.
17:11	Name the places mentioned in Luke 17:11?	Jerusalem, Samaria, Galilee
17:12	How does this verse end: And as he entered into a certain village ...?	there met him ten men that were lepers, which stood afar off
17:12	How many men are spoken of in Luke 17:12?	Ten men
17:13	How does this verse end: And they lifted up their ...?	voices, and said, Jesus, Master, have mercy on us.
17:14	What does Luke 17:14 say?	And when he saw them, he said unto them, Go shew yourselves unto the priests. And it came to pass, that, as they went, they were cleansed.
17:14	According to Luke 17:14, what was said unto them?	Go shew yourselves unto the priests
17:14	When he saw them, what happened?	He said unto them, Go shew yourselves unto the priests. And it came to pass, that, as they went, they were cleansed
17:15	What does Luke 17:15 say?	And one of them, when he saw that he was healed, turned back, and with a loud voice glorified God
17:16	What does Luke 17:16 say?	And fell down on his face at his feet, giving him thanks: and he was a Samaritan.
17:17	What does Luke 17:17 say?	And Jesus answering said, Were there not ten cleansed? but where are the nine?
17:17	Who said, "Were there not ten ..."?	Jesus
17:18	How does this verse end: There are not found that ...?	returned to give glory to God, save this stranger.
17:19	How does this verse end: And he said unto him, Arise ...?	go thy way: thy faith hath made thee whole.
17:20	What does Luke 17:20 say?	And when he was demanded of the Pharisees, when the kingdom of God should come, he answered them and said, The kingdom of God cometh not with observation
17:21	What does Luke 17:21 say?	Neither shall they say, Lo here! or, lo there! for, behold, the kingdom of God is within you.
17:22	What does Luke 17:22 say?	And he said unto the disciples, The days will come, when ye shall desire to see one of the days of the Son of man, and ye shall not see it.
17:22	To whom did Jesus say, "The days will come ..."?	The disciples
17:22	According to Luke 17:22, what was said unto the disciples?	The days will come, when ye shall desire to see one of the days of the Son of man, and ye shall not see it.
17:23	What does Luke 17:23 say?	And they shall say to you, See here; or, see there: go not after them, nor follow them.
17:24	How does this verse end: For as the lightning, that lighteneth out of the one part under ...?	heaven, shineth unto the other part under heaven; so shall also the Son of man be in his day.
17:25	How does this verse end: But first must he suffer ...?	many things, and be rejected of this generation.
17:26	How does this verse end: And as it was in the days of ...?	Noe, so shall it be also in the days of the Son of man.
17:27	How does this verse end: They did eat, they drank, they married wives, they were given in ...?	marriage, until the day that Noe entered into the ark, and the flood came, and destroyed them all.
17:28	What does Luke 17:28 say?	Likewise also as it was in the days of Lot; they did eat, they drank, they bought, they sold, they planted, they builded
17:29	What does Luke 17:29 say?	But the same day that Lot went out of Sodom it rained fire and brimstone from heaven, and destroyed them all.
17:29	Name the city mentioned in Luke 17:29?	Sodom
17:30	How does this verse end: Even thus shall it be in ...?	the day when the Son of man is revealed.
17:31	How does this verse end: In that day, he which shall be upon the housetop, and his ...?	stuff in the house, let him not come down to take it away: and he that is in the field, let him likewise not return back.
17:32	How does this verse end: Remember Lot's ...?	wife.
17:33	How does this verse end: Whosoever shall seek to save his life ...?	shall lose it; and whosoever shall lose his life shall preserve it.
17:34	What does Luke 17:34 say?	I tell you, in that night there shall be two men in one bed; the one shall be taken, and the other shall be left.
17:34	How many men are spoken of in Luke 17:34?	Two men
17:35	What does Luke 17:35 say?	Two women shall be grinding together; the one shall be taken, and the other left.
17:36	What does Luke 17:36 say?	Two men shall be in the field; the one shall be taken, and the other left.
17:37	What does Luke 17:37 say?	And they answered and said unto him, Where, Lord? And he said unto them, Wheresoever the body is, thither will the eagles be gathered together.
18: 1	Finish this verse: And he spake a parable unto them to ...?	this end, that men ought always to pray, and not to faint
18: 2	Finish this verse: Saying, There was in a city ...?	a judge, which feared not God, neither regarded man
18: 3	Finish this verse: And there was a widow in that ...?	city; and she came unto him, saying, Avenge me of mine adversary.
18: 4	Quote Luke 18:4?	And he would not for a while: but afterward he said within himself, Though I fear not God, nor regard man
18: 5	Quote Luke 18:5?	Yet because this widow troubleth me, I will avenge her, lest by her continual coming she weary me.
18: 6	Quote Luke 18:6?	And the Lord said, Hear what the unjust judge saith.
18: 6	What did the Lord say in Luke 18:6?	Hear what the unjust judge saith.
18: 7	Quote Luke 18:7?	And shall not God avenge his own elect, which cry day and night unto him, though he bear long with them?
18: 8	Finish this verse: I tell you that he will avenge them speedily ...?	Nevertheless when the Son of man cometh, shall he find faith on the earth?
18: 9	Finish this verse: And he spake this parable unto certain ...?	which trusted in themselves that they were righteous, and despised others
18:10	How does this verse end: Two men went up into the temple ...?	to pray; the one a Pharisee, and the other a publican.
18:11	How does this verse end: The Pharisee stood and prayed thus with himself, God, I thank ...?	thee, that I am not as other men are, extortioners, unjust, adulterers, or even as this publican.
18:12	How does this verse end: I fast twice in the ...?	week, I give tithes of all that I possess.
18:13	How does this verse end: And the publican, standing afar off, would not lift up so much ...?	as his eyes unto heaven, but smote upon his breast, saying, God be merciful to me a sinner.
18:14	What does Luke 18:14 say?	I tell you, this man went down to his house justified rather than the other: for every one that exalteth himself shall be abased; and he that humbleth himself shall be exalted.
18:15	What does Luke 18:15 say?	And they brought unto him also infants, that he would touch them: but when his disciples saw it, they rebuked them.
18:16	What does Luke 18:16 say?	But Jesus called them unto him, and said, Suffer little children to come unto me, and forbid them not: for of such is the kingdom of God.
18:16	Who said, "Suffer little children to come unto me ..."?	Jesus
18:16	What did Jesus say in Luke 18:16?	Suffer little children to come unto me, and forbid them not: for of such is the kingdom of God.
18:17	What does Luke 18:17 say?	Verily I say unto you, Whosoever shall not receive the kingdom of God as a little child shall in no wise enter therein.
18:18	How does this verse end: And a certain ruler asked him ...?	saying, Good Master, what shall I do to inherit eternal life?
18:19	How does this verse end: And Jesus said unto him, Why callest ...?	thou me good? none is good, save one, that is, God.
18:19	Who said, "Why callest thou me ..."?	Jesus
18:19	What did Jesus say in Luke 18:19?	Why callest thou me good? none is good, save one, that is, God.
18:20	What does Luke 18:20 say?	Thou knowest the commandments, Do not commit adultery, Do not kill, Do not steal, Do not bear false witness, Honour thy father and thy mother.
18:21	What does Luke 18:21 say?	And he said, All these have I kept from my youth up.
18:21	According to Luke 18:21, what was said?	All these have I kept from my youth up.
18:22	What does Luke 18:22 say?	Now when Jesus heard these things, he said unto him, Yet lackest thou one thing: sell all that thou hast, and distribute unto the poor, and thou shalt have treasure in heaven: and come, follow me.
18:22	According to Luke 18:22, what was said unto him?	Yet lackest thou one thing: sell all that thou hast, and distribute unto the poor, and thou shalt have treasure in heaven: and come, follow me.
18:22	When Jesus heard these things, what happened?	He said unto him, Yet lackest thou one thing
18:23	What does Luke 18:23 say?	And when he heard this, he was very sorrowful: for he was very rich.
18:24	How does this verse end: And when Jesus saw that he was very sorrowful ...?	he said, How hardly shall they that have riches enter into the kingdom of God!
18:24	What was said in Luke 18:24?	How hardly shall they that have riches enter into the kingdom of God!
18:25	How does this verse end: For it is easier for a camel to go through ...?	a needle's eye, than for a rich man to enter into the kingdom of God.
18:26	How does this verse end: And they that heard ...?	it said, Who then can be saved?
18:27	How does this verse end: And he said, The things ...?	which are impossible with men are possible with God.
18:27	What was said in Luke 18:27?	The things which are impossible with men are possible with God.
18:28	What does Luke 18:28 say?	Then Peter said, Lo, we have left all, and followed thee.
18:29	What does Luke 18:29 say?	And he said unto them, Verily I say unto you, There is no man that hath left house, or parents, or brethren, or wife, or children, for the kingdom of God's sake
18:30	How does this verse end: Who shall not receive manifold more in ...?	this present time, and in the world to come life everlasting.
18:31	How does this verse end: Then he took unto him the twelve, and said unto them, Behold ...?	we go up to Jerusalem, and all things that are written by the prophets concerning the Son of man shall be accomplished.
18:31	Who said, "Behold, we go up to Jerusalem ..."?	Jesus
18:31	What was said unto them in Luke 18:31?	Behold, we go up to Jerusalem, and all things that are written by the prophets concerning the Son of man shall be accomplished.
18:32	How does this verse end: For he shall be delivered unto the ...?	Gentiles, and shall be mocked, and spitefully entreated, and spitted on
18:33	How does this verse end: And they shall scourge him, and put ...?	him to death: and the third day he shall rise again.
18:34	What does Luke 18:34 say?	And they understood none of these things: and this saying was hid from them, neither knew they the things which were spoken.
18:35	What does Luke 18:35 say?	And it came to pass, that as he was come nigh unto Jericho, a certain blind man sat by the way side begging
18:35	Name the city mentioned in Luke 18:35?	Jericho
18:36	What does Luke 18:36 say?	And hearing the multitude pass by, he asked what it meant.
18:37	What does Luke 18:37 say?	And they told him, that Jesus of Nazareth passeth by.
18:38	How does this verse end: And he cried, saying, Jesus ...?	thou son of David, have mercy on me.
18:38	What was said in Luke 18:38?	Jesus, thou son of David, have mercy on me.
18:39	How does this verse end: And they which went before rebuked him, that he should hold ...?	his peace: but he cried so much the more, Thou son of David, have mercy on me.
18:40	What does Luke 18:40 say?	And Jesus stood, and commanded him to be brought unto him: and when he was come near, he asked him
18:41	What does Luke 18:41 say?	Saying, What wilt thou that I shall do unto thee? And he said, Lord, that I may receive my sight.
18:41	According to Luke 18:41, what was said?	Lord, that I may receive my sight.
18:42	What does Luke 18:42 say?	And Jesus said unto him, Receive thy sight: thy faith hath saved thee.
18:42	Who said, "Receive thy sight: thy faith hath saved thee ..."?	Jesus
18:42	What did Jesus say in Luke 18:42?	Receive thy sight: thy faith hath saved thee.
18:43	What does Luke 18:43 say?	And immediately he received his sight, and followed him, glorifying God: and all the people, when they saw it, gave praise unto God.
19: 1	Quote Luke 19:1?	And Jesus entered and passed through Jericho.
19: 1	Name the city mentioned in Luke 19:1?	Jericho
19: 2	Quote Luke 19:2?	And, behold, there was a man named Zacchaeus, which was the chief among the publicans, and he was rich.
19: 3	Quote Luke 19:3?	And he sought to see Jesus who he was; and could not for the press, because he was little of stature.
19: 4	Finish this verse: And he ran before, and climbed up into ...?	a sycomore tree to see him: for he was to pass that way.
19: 5	Finish this verse: And when Jesus came to the place, he looked up, and saw ...?	him, and said unto him, Zacchaeus, make haste, and come down; for to day I must abide at thy house.
19: 5	When Jesus came to the place, what happened?	He looked up, and saw him, and said unto him, Zacchaeus, make haste, and come down
19: 5	Name the persons mentioned in Luke 19:5?	Jesus, Zacchaeus
19: 6	Finish this verse: And he made haste ...?	and came down, and received him joyfully.
19: 7	Finish this verse: And when they saw it, they all murmured, saying ...?	That he was gone to be guest with a man that is a sinner.
19: 7	When they saw it, what happened?	They all murmured, saying, That he was gone to be guest with a man that is a sinner
19: 8	Quote Luke 19:8?	And Zacchaeus stood, and said unto the Lord; Behold, Lord, the half of my goods I give to the poor; and if I have taken any thing from any man by false accusation, I restore him fourfold.
19: 9	Quote Luke 19:9?	And Jesus said unto him, This day is salvation come to this house, forsomuch as he also is a son of Abraham.
19: 9	What did Jesus say in Luke 19:9?	This day is salvation come to this house, forsomuch as he also is a son of Abraham.
19: 9	Name the persons mentioned in Luke 19:9?	Jesus, Abraham
19:10	What does Luke 19:10 say?	For the Son of man is come to seek and to save that which was lost.
19:11	What does Luke 19:11 say?	And as they heard these things, he added and spake a parable, because he was nigh to Jerusalem, and because they thought that the kingdom of God should immediately appear.
19:11	Name the city mentioned in Luke 19:11?	Jerusalem
19:12	What does Luke 19:12 say?	He said therefore, A certain nobleman went into a far country to receive for himself a kingdom, and to return.
19:13	What does Luke 19:13 say?	And he called his ten servants, and delivered them ten pounds, and said unto them, Occupy till I come.
19:13	How many servants are spoken of in Luke 19:13?	Ten servants
19:14	How does this verse end: But his citizens hated him, and sent a ...?	message after him, saying, We will not have this man to reign over us.
19:15	How does this verse end: And it came to pass, that when he was returned, having received ...?	the kingdom, then he commanded these servants to be called unto him, to whom he had given the money, that he might know how much every man had ...
19:16	How does this verse end: Then came the first ...?	saying, Lord, thy pound hath gained ten pounds.
19:16	How many pounds are spoken of in Luke 19:16?	Ten pounds
19:17	How does this verse end: And he said unto him, Well, thou good servant ...?	because thou hast been faithful in a very little, have thou authority over ten cities.
19:18	What does Luke 19:18 say?	And the second came, saying, Lord, thy pound hath gained five pounds.
19:18	How many pounds are spoken of in Luke 19:18?	Five pounds
19:19	What does Luke 19:19 say?	And he said likewise to him, Be thou also over five cities.
19:20	How does this verse end: And another came, saying, Lord, behold, here ...?	is thy pound, which I have kept laid up in a napkin
19:21	How does this verse end: For I feared thee, because thou art an austere man ...?	thou takest up that thou layedst not down, and reapest that thou didst not sow.
19:21	Why does Luke 19:21 say that I feared thee?	Because thou art an austere man
19:22	How does this verse end: And he saith unto him, Out of thine own mouth will I ...?	judge thee, thou wicked servant. Thou knewest that I was an austere man, taking up that I laid not down, and reaping that I did not sow
19:22	What was said unto him in Luke 19:22?	Out of thine own mouth will I judge thee, thou wicked servant. Thou knewest that I was an austere man, taking up that I laid not down, and reaping that I did not sow
19:23	How does this verse end: Wherefore then gavest not thou my money into ...?	the bank, that at my coming I might have required mine own with usury?
19:24	What does Luke 19:24 say?	And he said unto them that stood by, Take from him the pound, and give it to him that hath ten pounds.
19:25	What does Luke 19:25 say?	(And they said unto him, Lord, he hath ten pounds.)
19:25	According to Luke 19:25, what was said unto him?	Lord, he hath ten pounds.)
19:26	What does Luke 19:26 say?	For I say unto you, That unto every one which hath shall be given; and from him that hath not, even that he hath shall be taken away from him.
19:27	What does Luke 19:27 say?	But those mine enemies, which would not that I should reign over them, bring hither, and slay them before me.
19:28	How does this verse end: And when he had thus ...?	spoken, he went before, ascending up to Jerusalem.
19:28	When he had thus spoken, what happened?	He went before, ascending up to Jerusalem
19:29	How does this verse end: And it came to pass, when he was come nigh to ...?	Bethphage and Bethany, at the mount called the mount of Olives, he sent two of his disciples
19:29	Name the places mentioned in Luke 19:29?	Bethphage, Bethany
19:30	What does Luke 19:30 say?	Saying, Go ye into the village over against you; in the which at your entering ye shall find a colt tied, whereon yet never man sat: loose him, and bring him hither.
19:31	What does Luke 19:31 say?	And if any man ask you, Why do ye loose him? thus shall ye say unto him, Because the Lord hath need of him.
19:32	What does Luke 19:32 say?	And they that were sent went their way, and found even as he had said unto them.
19:33	What does Luke 19:33 say?	And as they were loosing the colt, the owners thereof said unto them, Why loose ye the colt?
19:34	How does this verse end: And they said ...?	The Lord hath need of him.
19:34	What was said in Luke 19:34?	The Lord hath need of him.
19:35	How does this verse end: And they brought him to Jesus: and ...?	they cast their garments upon the colt, and they set Jesus thereon.
19:36	How does this verse end: And as he went ...?	they spread their clothes in the way.
19:37	How does this verse end: And when he was come nigh, even now at the descent of ...?	the mount of Olives, the whole multitude of the disciples began to rejoice and praise God with a loud voice for all the mighty works that they had seen
19:38	What does Luke 19:38 say?	Saying, Blessed be the King that cometh in the name of the Lord: peace in heaven, and glory in the highest.
19:39	What does Luke 19:39 say?	And some of the Pharisees from among the multitude said unto him, Master, rebuke thy disciples.
19:39	Who said, "Master, rebuke thy disciples ..."?	The multitude
19:40	How does this verse end: And he answered and said unto them, I tell ...?	you that, if these should hold their peace, the stones would immediately cry out.
19:40	Who said, "I tell you that ..."?	Jesus
19:40	What was said unto them in Luke 19:40?	I tell you that, if these should hold their peace, the stones would immediately cry out.
19:41	How does this verse end: And when he was come ...?	near, he beheld the city, and wept over it
19:41	When he was come near, what happened?	He beheld the city, and wept over it
19:42	How does this verse end: Saying, If thou hadst known, even thou, at least in this ...?	thy day, the things which belong unto thy peace! but now they are hid from thine eyes.
19:43	How does this verse end: For the days shall come upon thee, that thine enemies ...?	shall cast a trench about thee, and compass thee round, and keep thee in on every side
19:44	What does Luke 19:44 say?	And shall lay thee even with the ground, and thy children within thee; and they shall not leave in thee one stone upon another; because thou knewest not the time of thy visitation.
19:45	What does Luke 19:45 say?	And he went into the temple, and began to cast out them that sold therein, and them that bought
19:46	What does Luke 19:46 say?	Saying unto them, It is written, My house is the house of prayer: but ye have made it a den of thieves.
19:47	What does Luke 19:47 say?	And he taught daily in the temple. But the chief priests and the scribes and the chief of the people sought to destroy him
19:48	How does this verse end: And could not find what they might ...?	do: for all the people were very attentive to hear him.
20: 1	Finish this verse: And it came to pass, that on one of those days, as ...?	he taught the people in the temple, and preached the gospel, the chief priests and the scribes came upon him with the elders
20: 2	Finish this verse: And spake unto him, saying, Tell us, by what ...?	authority doest thou these things? or who is he that gave thee this authority?
20: 3	Finish this verse: And he answered and said unto ...?	them, I will also ask you one thing; and answer me
20: 4	Quote Luke 20:4?	The baptism of John, was it from heaven, or of men?
20: 5	Quote Luke 20:5?	And they reasoned with themselves, saying, If we shall say, From heaven; he will say, Why then believed ye him not?
20: 6	Quote Luke 20:6?	But and if we say, Of men; all the people will stone us: for they be persuaded that John was a prophet.
20: 7	Quote Luke 20:7?	And they answered, that they could not tell whence it was.
20: 8	Finish this verse: And Jesus said unto them, Neither ...?	tell I you by what authority I do these things.
20: 8	Who said, "Neither tell I you by what authority I ..."?	Jesus
20: 8	What did Jesus say in Luke 20:8?	Neither tell I you by what authority I do these things.
20: 9	Finish this verse: Then began he to speak to the people this parable; A certain ...?	man planted a vineyard, and let it forth to husbandmen, and went into a far country for a long time.
20:10	What does Luke 20:10 say?	And at the season he sent a servant to the husbandmen, that they should give him of the fruit of the vineyard: but the husbandmen beat him, and sent him away empty.
20:11	What does Luke 20:11 say?	And again he sent another servant: and they beat him also, and entreated him shamefully, and sent him away empty.
20:12	What does Luke 20:12 say?	And again he sent a third: and they wounded him also, and cast him out.
20:13	What does Luke 20:13 say?	Then said the lord of the vineyard, What shall I do? I will send my beloved son: it may be they will reverence him when they see him.
20:14	How does this verse end: But when the husbandmen saw him, they reasoned among themselves ...?	saying, This is the heir: come, let us kill him, that the inheritance may be ours.
20:14	When the husbandmen saw him, what happened?	They reasoned among themselves, saying, This is the heir
20:15	How does this verse end: So they cast him out of the vineyard ...?	and killed him. What therefore shall the lord of the vineyard do unto them?
20:16	How does this verse end: He shall come and destroy these husbandmen, and shall ...?	give the vineyard to others. And when they heard it, they said, God forbid.
20:17	How does this verse end: And he beheld them, and said, What is this then that ...?	is written, The stone which the builders rejected, the same is become the head of the corner?
20:18	What does Luke 20:18 say?	Whosoever shall fall upon that stone shall be broken; but on whomsoever it shall fall, it will grind him to powder.
20:19	What does Luke 20:19 say?	And the chief priests and the scribes the same hour sought to lay hands on him; and they feared the people: for they perceived that he had spoken this parable against them.
20:20	How does this verse end: And they watched him, and sent forth spies, which should feign themselves ...?	just men, that they might take hold of his words, that so they might deliver him unto the power and authority of the governor.
20:21	How does this verse end: And they asked him, saying, Master, we know that thou sayest ...?	and teachest rightly, neither acceptest thou the person of any, but teachest the way of God truly
20:22	How does this verse end: Is it lawful for ...?	us to give tribute unto Caesar, or no?
20:23	How does this verse end: But he perceived their craftiness ...?	and said unto them, Why tempt ye me?
20:23	What was said unto them in Luke 20:23?	Why tempt ye me?
20:24	What does Luke 20:24 say?	Shew me a penny. Whose image and superscription hath it? They answered and said, Caesar's.
20:25	What does Luke 20:25 say?	And he said unto them, Render therefore unto Caesar the things which be Caesar's, and unto God the things which be God's.
20:26	What does Luke 20:26 say?	And they could not take hold of his words before the people: and they marvelled at his answer, and held their peace.
20:27	What does Luke 20:27 say?	Then came to him certain of the Sadducees, which deny that there is any resurrection; and they asked him
20:28	How does this verse end: Saying, Master, Moses wrote unto us, If any man's brother die, having ...?	a wife, and he die without children, that his brother should take his wife, and raise up seed unto his brother.
20:29	How does this verse end: There were therefore seven brethren: and ...?	the first took a wife, and died without children.
20:29	How many brethren are spoken of in Luke 20:29?	Seven brethren
20:30	What does Luke 20:30 say?	And the second took her to wife, and he died childless.
20:31	What does Luke 20:31 say?	And the third took her; and in like manner the seven also: and they left no children, and died.
20:32	What does Luke 20:32 say?	Last of all the woman died also.
20:33	What does Luke 20:33 say?	Therefore in the resurrection whose wife of them is she? for seven had her to wife.
20:34	How does this verse end: And Jesus answering said unto them ...?	The children of this world marry, and are given in marriage
20:34	What did Jesus say in Luke 20:34?	The children of this world marry, and are given in marriage
20:35	How does this verse end: But they which shall be accounted worthy to obtain ...?	that world, and the resurrection from the dead, neither marry, nor are given in marriage
20:36	How does this verse end: Neither can they die any more: for they are equal ...?	unto the angels; and are the children of God, being the children of the resurrection.
20:37	How does this verse end: Now that the dead are raised, even Moses shewed at the bush ...?	when he calleth the Lord the God of Abraham, and the God of Isaac, and the God of Jacob.
20:38	What does Luke 20:38 say?	For he is not a God of the dead, but of the living: for all live unto him.
20:39	What does Luke 20:39 say?	Then certain of the scribes answering said, Master, thou hast well said.
20:39	Who said, "Master, thou hast well said ..."?	The scribes
20:40	How does this verse end: And after that they ...?	durst not ask him any question at all.
20:41	How does this verse end: And he said unto them ...?	How say they that Christ is David's son?
20:42	How does this verse end: And David himself saith in the book of ...?	Psalms, The LORD said unto my Lord, Sit thou on my right hand
20:43	How does this verse end: Till I make ...?	thine enemies thy footstool.
20:44	What does Luke 20:44 say?	David therefore calleth him Lord, how is he then his son?
20:45	What does Luke 20:45 say?	Then in the audience of all the people he said unto his disciples
20:46	What does Luke 20:46 say?	Beware of the scribes, which desire to walk in long robes, and love greetings in the markets, and the highest seats in the synagogues, and the chief rooms at feasts
20:47	What does Luke 20:47 say?	Which devour widows' houses, and for a shew make long prayers: the same shall receive greater damnation.
21: 1	Quote Luke 21:1?	And he looked up, and saw the rich men casting their gifts into the treasury.
21: 2	Quote Luke 21:2?	And he saw also a certain poor widow casting in thither two mites.
21: 3	Quote Luke 21:3?	And he said, Of a truth I say unto you, that this poor widow hath cast in more than they all
21: 3	What was said in Luke 21:3?	Of a truth I say unto you, that this poor widow hath cast in more than they all
21: 4	Finish this verse: For all these have of their abundance cast in unto the ...?	offerings of God: but she of her penury hath cast in all the living that she had.
21: 5	Finish this verse: And as some spake of the temple ...?	how it was adorned with goodly stones and gifts, he said
21: 6	Finish this verse: As for these things which ye behold, the days will come ...?	in the which there shall not be left one stone upon another, that shall not be thrown down.
21: 7	Finish this verse: And they asked him, saying, Master, but when shall these ...?	things be? and what sign will there be when these things shall come to pass?
21: 8	Quote Luke 21:8?	And he said, Take heed that ye be not deceived: for many shall come in my name, saying, I am Christ; and the time draweth near: go ye not therefore after them.
21: 8	What was said in Luke 21:8?	Take heed that ye be not deceived: for many shall come in my name, saying, I am Christ; and the time draweth near: go ye not therefore after them.
21: 9	Quote Luke 21:9?	But when ye shall hear of wars and commotions, be not terrified: for these things must first come to pass; but the end is not by and by.
21:10	How does this verse end: Then said he unto them ...?	Nation shall rise against nation, and kingdom against kingdom
21:11	How does this verse end: And great earthquakes shall be in divers places, and ...?	famines, and pestilences; and fearful sights and great signs shall there be from heaven.
21:12	How does this verse end: But before all these, they shall lay their hands on you, and ...?	persecute you, delivering you up to the synagogues, and into prisons, being brought before kings and rulers for my name's sake.
21:13	How does this verse end: And it shall ...?	turn to you for a testimony.
21:14	What does Luke 21:14 say?	Settle it therefore in your hearts, not to meditate before what ye shall answer
21:15	What does Luke 21:15 say?	For I will give you a mouth and wisdom, which all your adversaries shall not be able to gainsay nor resist.
21:16	What does Luke 21:16 say?	And ye shall be betrayed both by parents, and brethren, and kinsfolks, and friends; and some of you shall they cause to be put to death.
21:17	What does Luke 21:17 say?	And ye shall be hated of all men for my name's sake.
21:18	How does this verse end: But there shall not ...?	an hair of your head perish.
21:19	How does this verse end: In your patience ...?	possess ye your souls.
21:20	What does Luke 21:20 say?	And when ye shall see Jerusalem compassed with armies, then know that the desolation thereof is nigh.
21:20	Name the city mentioned in Luke 21:20?	Jerusalem
21:21	What does Luke 21:21 say?	Then let them which are in Judaea flee to the mountains; and let them which are in the midst of it depart out; and let not them that are in the countries enter thereinto.
21:21	Name the country mentioned in Luke 21:21?	Judaea
21:22	What does Luke 21:22 say?	For these be the days of vengeance, that all things which are written may be fulfilled.
21:23	What does Luke 21:23 say?	But woe unto them that are with child, and to them that give suck, in those days! for there shall be great distress in the land, and wrath upon this people.
21:24	How does this verse end: And they shall fall by the edge of the sword, and shall ...?	be led away captive into all nations: and Jerusalem shall be trodden down of the Gentiles, until the times of the Gentiles be fulfilled.
21:24	Name the city mentioned in Luke 21:24?	Jerusalem
21:25	How does this verse end: And there shall be signs in the sun, and in the moon ...?	and in the stars; and upon the earth distress of nations, with perplexity; the sea and the waves roaring
21:26	How does this verse end: Men's hearts failing them for fear, and for looking after ...?	those things which are coming on the earth: for the powers of heaven shall be shaken.
21:27	How does this verse end: And then shall they see the Son ...?	of man coming in a cloud with power and great glory.
21:28	What does Luke 21:28 say?	And when these things begin to come to pass, then look up, and lift up your heads; for your redemption draweth nigh.
21:29	What does Luke 21:29 say?	And he spake to them a parable; Behold the fig tree, and all the trees
21:30	How does this verse end: When they now shoot forth, ye see and ...?	know of your own selves that summer is now nigh at hand.
21:31	How does this verse end: So likewise ye, when ye see these things ...?	come to pass, know ye that the kingdom of God is nigh at hand.
21:32	How does this verse end: Verily I say unto you, This ...?	generation shall not pass away, till all be fulfilled.
21:33	How does this verse end: Heaven and earth shall pass ...?	away: but my words shall not pass away.
21:34	What does Luke 21:34 say?	And take heed to yourselves, lest at any time your hearts be overcharged with surfeiting, and drunkenness, and cares of this life, and so that day come upon you unawares.
21:35	What does Luke 21:35 say?	For as a snare shall it come on all them that dwell on the face of the whole earth.
21:36	What does Luke 21:36 say?	Watch ye therefore, and pray always, that ye may be accounted worthy to escape all these things that shall come to pass, and to stand before the Son of man.
21:37	What does Luke 21:37 say?	And in the day time he was teaching in the temple; and at night he went out, and abode in the mount that is called the mount of Olives.
21:38	How does this verse end: And all the people came early in ...?	the morning to him in the temple, for to hear him.
22: 1	Finish this verse: Now the feast of unleavened ...?	bread drew nigh, which is called the Passover.
22: 2	Finish this verse: And the chief priests and scribes ...?	sought how they might kill him; for they feared the people.
22: 3	Finish this verse: Then entered Satan into Judas ...?	surnamed Iscariot, being of the number of the twelve.
22: 4	Quote Luke 22:4?	And he went his way, and communed with the chief priests and captains, how he might betray him unto them.
22: 5	Quote Luke 22:5?	And they were glad, and covenanted to give him money.
22: 6	Quote Luke 22:6?	And he promised, and sought opportunity to betray him unto them in the absence of the multitude.
22: 7	Quote Luke 22:7?	Then came the day of unleavened bread, when the passover must be killed.
22: 8	Finish this verse: And he sent Peter and John ...?	saying, Go and prepare us the passover, that we may eat.
22: 8	Name the persons mentioned in Luke 22:8?	Peter, John
22: 9	Finish this verse: And they said unto ...?	him, Where wilt thou that we prepare?
22:10	How does this verse end: And he said unto them, Behold, when ye are entered into the ...?	city, there shall a man meet you, bearing a pitcher of water; follow him into the house where he entereth in.
22:10	What was said unto them in Luke 22:10?	Behold, when ye are entered into the city, there shall a man meet you, bearing a pitcher of water; follow him into the house where he entereth in.
22:11	How does this verse end: And ye shall say unto the goodman of the house, The ...?	Master saith unto thee, Where is the guestchamber, where I shall eat the passover with my disciples?
22:12	How does this verse end: And he shall shew you ...?	a large upper room furnished: there make ready.
22:13	How does this verse end: And they went, and found as ...?	he had said unto them: and they made ready the passover.
22:14	What does Luke 22:14 say?	And when the hour was come, he sat down, and the twelve apostles with him.
22:14	How many apostles are spoken of in Luke 22:14?	Twelve apostles
22:14	When the hour was come, what happened?	He sat down, and the twelve apostles with him
22:15	What does Luke 22:15 say?	And he said unto them, With desire I have desired to eat this passover with you before I suffer
22:15	According to Luke 22:15, what was said unto them?	With desire I have desired to eat this passover with you before I suffer
22:16	What does Luke 22:16 say?	For I say unto you, I will not any more eat thereof, until it be fulfilled in the kingdom of God.
22:17	What does Luke 22:17 say?	And he took the cup, and gave thanks, and said, Take this, and divide it among yourselves
22:17	According to Luke 22:17, what was said?	Take this, and divide it among yourselves
22:18	How does this verse end: For I say unto you, I will not ...?	drink of the fruit of the vine, until the kingdom of God shall come.
22:19	How does this verse end: And he took bread, and gave thanks, and brake it, and gave ...?	unto them, saying, This is my body which is given for you: this do in remembrance of me.
22:20	What does Luke 22:20 say?	Likewise also the cup after supper, saying, This cup is the new testament in my blood, which is shed for you.
22:21	What does Luke 22:21 say?	But, behold, the hand of him that betrayeth me is with me on the table.
22:22	What does Luke 22:22 say?	And truly the Son of man goeth, as it was determined: but woe unto that man by whom he is betrayed!
22:23	What does Luke 22:23 say?	And they began to enquire among themselves, which of them it was that should do this thing.
22:24	How does this verse end: And there was also a strife ...?	among them, which of them should be accounted the greatest.
22:25	How does this verse end: And he said unto them, The kings of the ...?	Gentiles exercise lordship over them; and they that exercise authority upon them are called benefactors.
22:25	What was said unto them in Luke 22:25?	The kings of the Gentiles exercise lordship over them; and they that exercise authority upon them are called benefactors.
22:26	How does this verse end: But ye shall not be so: but he that is greatest ...?	among you, let him be as the younger; and he that is chief, as he that doth serve.
22:27	How does this verse end: For whether is greater, he that sitteth at meat, or he ...?	that serveth? is not he that sitteth at meat? but I am among you as he that serveth.
22:28	What does Luke 22:28 say?	Ye are they which have continued with me in my temptations.
22:29	What does Luke 22:29 say?	And I appoint unto you a kingdom, as my Father hath appointed unto me
22:30	How does this verse end: That ye may eat and drink at my ...?	table in my kingdom, and sit on thrones judging the twelve tribes of Israel.
22:31	How does this verse end: And the Lord said, Simon, Simon, behold, Satan ...?	hath desired to have you, that he may sift you as wheat
22:31	What did the Lord say in Luke 22:31?	Simon, Simon, behold, Satan hath desired to have you, that he may sift you as wheat
22:31	Name the persons mentioned in Luke 22:31?	Simon, Satan
22:32	How does this verse end: But I have prayed for thee, that ...?	thy faith fail not: and when thou art converted, strengthen thy brethren.
22:33	How does this verse end: And he said unto him, Lord, I ...?	am ready to go with thee, both into prison, and to death.
22:34	What does Luke 22:34 say?	And he said, I tell thee, Peter, the cock shall not crow this day, before that thou shalt thrice deny that thou knowest me.
22:35	What does Luke 22:35 say?	And he said unto them, When I sent you without purse, and scrip, and shoes, lacked ye any thing? And they said, Nothing.
22:35	According to Luke 22:35, what was said unto them?	When I sent you without purse, and scrip, and shoes, lacked ye any thing? And they said, Nothing.
22:36	What does Luke 22:36 say?	Then said he unto them, But now, he that hath a purse, let him take it, and likewise his scrip: and he that hath no sword, let him sell his garment, and buy one.
22:37	What does Luke 22:37 say?	For I say unto you, that this that is written must yet be accomplished in me, And he was reckoned among the transgressors: for the things concerning me have an end.
22:38	How does this verse end: And they said, Lord, behold, here ...?	are two swords. And he said unto them, It is enough.
22:38	What was said in Luke 22:38?	Lord, behold, here are two swords
22:39	How does this verse end: And he came out, and went, as he ...?	was wont, to the mount of Olives; and his disciples also followed him.
22:40	What does Luke 22:40 say?	And when he was at the place, he said unto them, Pray that ye enter not into temptation.
22:40	Who said, "Pray that ye enter not into temptation ..."?	Jesus
22:40	To whom did Jesus say, "Pray that ye enter not into temptation ..."?	His disciples
22:41	What does Luke 22:41 say?	And he was withdrawn from them about a stone's cast, and kneeled down, and prayed
22:42	What does Luke 22:42 say?	Saying, Father, if thou be willing, remove this cup from me: nevertheless not my will, but thine, be done.
22:43	What does Luke 22:43 say?	And there appeared an angel unto him from heaven, strengthening him.
22:44	How does this verse end: And being in an agony he prayed more earnestly: and ...?	his sweat was as it were great drops of blood falling down to the ground.
22:45	How does this verse end: And when he rose up from prayer ...?	and was come to his disciples, he found them sleeping for sorrow
22:46	How does this verse end: And said unto them, Why sleep ...?	ye? rise and pray, lest ye enter into temptation.
22:47	How does this verse end: And while he yet spake, behold a multitude, and he that ...?	was called Judas, one of the twelve, went before them, and drew near unto Jesus to kiss him.
22:47	Name the persons mentioned in Luke 22:47?	Judas, Jesus
22:48	What does Luke 22:48 say?	But Jesus said unto him, Judas, betrayest thou the Son of man with a kiss?
22:48	Who said, "Judas, betrayest thou the Son of man with ..."?	Jesus
22:48	What did Jesus say in Luke 22:48?	Judas, betrayest thou the Son of man with a kiss?
22:49	What does Luke 22:49 say?	When they which were about him saw what would follow, they said unto him, Lord, shall we smite with the sword?
22:49	According to Luke 22:49, what was said unto him?	Lord, shall we smite with the sword?
22:49	When they which were about him saw what would follow, what happened?	They said unto him, Lord, shall we smite with the sword
22:50	How does this verse end: And one of them smote the ...?	servant of the high priest, and cut off his right ear.
22:51	How does this verse end: And Jesus answered and said, Suffer ...?	ye thus far. And he touched his ear, and healed him.
22:52	How does this verse end: Then Jesus said unto the chief priests, and captains of the temple ...?	and the elders, which were come to him, Be ye come out, as against a thief, with swords and staves?
22:53	How does this verse end: When I was daily with you in the temple, ye ...?	stretched forth no hands against me: but this is your hour, and the power of darkness.
22:54	What does Luke 22:54 say?	Then took they him, and led him, and brought him into the high priest's house. And Peter followed afar off.
22:54	Which disciple followed afar off?	Peter
22:55	What does Luke 22:55 say?	And when they had kindled a fire in the midst of the hall, and were set down together, Peter sat down among them.
22:56	What does Luke 22:56 say?	But a certain maid beheld him as he sat by the fire, and earnestly looked upon him, and said, This man was also with him.
22:56	Who said, "This man was also with him ..."?	A certain maid
22:56	What did a certain maid say in Luke 22:56?	This man was also with him.
22:57	What does Luke 22:57 say?	And he denied him, saying, Woman, I know him not.
22:58	How does this verse end: And after a little while another saw him ...?	and said, Thou art also of them. And Peter said, Man, I am not.
22:59	How does this verse end: And about the space of one hour after another confidently ...?	affirmed, saying, Of a truth this fellow also was with him: for he is a Galilaean.
22:60	What does Luke 22:60 say?	And Peter said, Man, I know not what thou sayest. And immediately, while he yet spake, the cock crew.
22:60	What did Peter say in Luke 22:60?	Man, I know not what thou sayest
22:61	What does Luke 22:61 say?	And the Lord turned, and looked upon Peter. And Peter remembered the word of the Lord, how he had said unto him, Before the cock crow, thou shalt deny me thrice.
22:62	What does Luke 22:62 say?	And Peter went out, and wept bitterly.
22:62	Which disciple went out?	Peter
22:63	What does Luke 22:63 say?	And the men that held Jesus mocked him, and smote him.
22:64	How does this verse end: And when they had blindfolded him, they struck him ...?	on the face, and asked him, saying, Prophesy, who is it that smote thee?
22:65	How does this verse end: And many other ...?	things blasphemously spake they against him.
22:66	How does this verse end: And as soon as it was day, the elders of the ...?	people and the chief priests and the scribes came together, and led him into their council, saying
22:67	How does this verse end: Art thou the ...?	Christ? tell us. And he said unto them, If I tell you, ye will not believe
22:67	To whom did Jesus say, "If I tell you ..."?	The scribes
22:67	What was said unto them in Luke 22:67?	If I tell you, ye will not believe
22:68	What does Luke 22:68 say?	And if I also ask you, ye will not answer me, nor let me go.
22:69	What does Luke 22:69 say?	Hereafter shall the Son of man sit on the right hand of the power of God.
22:70	How does this verse end: Then said they all, Art thou then the ...?	Son of God? And he said unto them, Ye say that I am.
22:71	How does this verse end: And they said, What need we any ...?	further witness? for we ourselves have heard of his own mouth.
22:71	What was said in Luke 22:71?	What need we any further witness? for we ourselves have heard of his own mouth.
23: 1	Quote Luke 23:1?	And the whole multitude of them arose, and led him unto Pilate.
23: 2	Quote Luke 23:2?	And they began to accuse him, saying, We found this fellow perverting the nation, and forbidding to give tribute to Caesar, saying that he himself is Christ a King.
23: 3	Quote Luke 23:3?	And Pilate asked him, saying, Art thou the King of the Jews? And he answered him and said, Thou sayest it.
23: 3	What did Pilate say in Luke 23:3?	Thou sayest it.
23: 3	Which governor asked him?	Pilate
23: 4	Finish this verse: Then said Pilate to the chief priests ...?	and to the people, I find no fault in this man.
23: 5	Finish this verse: And they were the more fierce, saying, He ...?	stirreth up the people, teaching throughout all Jewry, beginning from Galilee to this place.
23: 6	Finish this verse: When Pilate heard of Galilee ...?	he asked whether the man were a Galilaean.
23: 6	Name the country mentioned in Luke 23:6?	Galilee
23: 7	Finish this verse: And as soon as he knew that he belonged unto ...?	Herod's jurisdiction, he sent him to Herod, who himself also was at Jerusalem at that time.
23: 8	Quote Luke 23:8?	And when Herod saw Jesus, he was exceeding glad: for he was desirous to see him of a long season, because he had heard many things of him; and he hoped to have seen some miracle done by him.
23: 8	Name the persons mentioned in Luke 23:8?	Herod, Jesus
23: 9	Quote Luke 23:9?	Then he questioned with him in many words; but he answered him nothing.
23:10	What does Luke 23:10 say?	And the chief priests and scribes stood and vehemently accused him.
23:11	What does Luke 23:11 say?	And Herod with his men of war set him at nought, and mocked him, and arrayed him in a gorgeous robe, and sent him again to Pilate.
23:11	Name the persons mentioned in Luke 23:11?	Herod, Pilate
23:12	What does Luke 23:12 say?	And the same day Pilate and Herod were made friends together: for before they were at enmity between themselves.
23:12	Name the persons mentioned in Luke 23:12?	Pilate, Herod
23:13	What does Luke 23:13 say?	And Pilate, when he had called together the chief priests and the rulers and the people
23:14	How does this verse end: Said unto them, Ye have brought this man unto me, as one ...?	that perverteth the people: and, behold, I, having examined him before you, have found no fault in this man touching those things whereof ye accuse him
23:15	How does this verse end: No, nor yet Herod: for I sent you ...?	to him; and, lo, nothing worthy of death is done unto him.
23:16	How does this verse end: I will therefore ...?	chastise him, and release him.
23:17	How does this verse end: (For of necessity he ...?	must release one unto them at the feast.)
23:18	What does Luke 23:18 say?	And they cried out all at once, saying, Away with this man, and release unto us Barabbas
23:19	What does Luke 23:19 say?	(Who for a certain sedition made in the city, and for murder, was cast into prison.)
23:20	How does this verse end: Pilate therefore, willing to ...?	release Jesus, spake again to them.
23:21	How does this verse end: But they cried ...?	saying, Crucify him, crucify him.
23:21	What was said in Luke 23:21?	Crucify him, crucify him.
23:22	How does this verse end: And he said unto them the third time, Why, what evil hath ...?	he done? I have found no cause of death in him: I will therefore chastise him, and let him go.
23:23	How does this verse end: And they were instant with loud voices, requiring that ...?	he might be crucified. And the voices of them and of the chief priests prevailed.
23:24	What does Luke 23:24 say?	And Pilate gave sentence that it should be as they required.
23:24	Which governor gave sentence that it should be as they required?	Pilate
23:24	What did Pilate give?	Sentence that it should be as they required
23:25	What does Luke 23:25 say?	And he released unto them him that for sedition and murder was cast into prison, whom they had desired; but he delivered Jesus to their will.
23:26	What does Luke 23:26 say?	And as they led him away, they laid hold upon one Simon, a Cyrenian, coming out of the country, and on him they laid the cross, that he might bear it after Jesus.
23:26	Name the persons mentioned in Luke 23:26?	Simon, Jesus
23:27	What does Luke 23:27 say?	And there followed him a great company of people, and of women, which also bewailed and lamented him.
23:28	How does this verse end: But Jesus turning unto them said, Daughters of ...?	Jerusalem, weep not for me, but weep for yourselves, and for your children.
23:28	Name the city mentioned in Luke 23:28?	Jerusalem
23:29	How does this verse end: For, behold, the days are coming, in the which they shall ...?	say, Blessed are the barren, and the wombs that never bare, and the paps which never gave suck.
23:30	What does Luke 23:30 say?	Then shall they begin to say to the mountains, Fall on us; and to the hills, Cover us.
23:31	What does Luke 23:31 say?	For if they do these things in a green tree, what shall be done in the dry?
23:32	What does Luke 23:32 say?	And there were also two other, malefactors, led with him to be put to death.
23:33	What does Luke 23:33 say?	And when they were come to the place, which is called Calvary, there they crucified him, and the malefactors, one on the right hand, and the other on the left.
23:34	How does this verse end: Then said Jesus, Father, forgive them; for they ...?	know not what they do. And they parted his raiment, and cast lots.
23:35	How does this verse end: And the people stood beholding. And the rulers also with them ...?	derided him, saying, He saved others; let him save himself, if he be Christ, the chosen of God.
23:36	How does this verse end: And the soldiers also mocked ...?	him, coming to him, and offering him vinegar
23:37	How does this verse end: And saying, If thou ...?	be the king of the Jews, save thyself.
23:38	What does Luke 23:38 say?	And a superscription also was written over him in letters of Greek, and Latin, and Hebrew, THIS IS THE KING OF THE JEWS.
23:39	What does Luke 23:39 say?	And one of the malefactors which were hanged railed on him, saying, If thou be Christ, save thyself and us.
23:40	How does this verse end: But the other answering rebuked him, saying ...?	Dost not thou fear God, seeing thou art in the same condemnation?
23:41	How does this verse end: And we indeed justly; for we receive the ...?	due reward of our deeds: but this man hath done nothing amiss.
23:42	How does this verse end: And he said unto Jesus ...?	Lord, remember me when thou comest into thy kingdom.
23:42	What was said unto Jesus in Luke 23:42?	Lord, remember me when thou comest into thy kingdom.
23:43	How does this verse end: And Jesus said unto him, Verily I ...?	say unto thee, To day shalt thou be with me in paradise.
23:43	Who said, "Verily I say unto thee ..."?	Jesus
23:43	What did Jesus say in Luke 23:43?	Verily I say unto thee, To day shalt thou be with me in paradise.
23:44	What does Luke 23:44 say?	And it was about the sixth hour, and there was a darkness over all the earth until the ninth hour.
23:45	What does Luke 23:45 say?	And the sun was darkened, and the veil of the temple was rent in the midst.
23:46	What does Luke 23:46 say?	And when Jesus had cried with a loud voice, he said, Father, into thy hands I commend my spirit: and having said thus, he gave up the ghost.
23:46	According to Luke 23:46, what was said?	Father, into thy hands I commend my spirit: and having said thus, he gave up the ghost.
23:47	What does Luke 23:47 say?	Now when the centurion saw what was done, he glorified God, saying, Certainly this was a righteous man.
23:47	When the centurion saw what was done, what happened?	He glorified God, saying, Certainly this was a righteous man
23:48	How does this verse end: And all the people that came together to ...?	that sight, beholding the things which were done, smote their breasts, and returned.
23:49	How does this verse end: And all his acquaintance, and the women ...?	that followed him from Galilee, stood afar off, beholding these things.
23:50	What does Luke 23:50 say?	And, behold, there was a man named Joseph, a counsellor; and he was a good man, and a just
23:51	What does Luke 23:51 say?	(The same had not consented to the counsel and deed of them;) he was of Arimathaea, a city of the Jews: who also himself waited for the kingdom of God.
23:52	What does Luke 23:52 say?	This man went unto Pilate, and begged the body of Jesus.
23:52	Name the persons mentioned in Luke 23:52?	Pilate, Jesus
23:53	What does Luke 23:53 say?	And he took it down, and wrapped it in linen, and laid it in a sepulchre that was hewn in stone, wherein never man before was laid.
23:54	How does this verse end: And that day was ...?	the preparation, and the sabbath drew on.
23:55	How does this verse end: And the women also, which came with him ...?	from Galilee, followed after, and beheld the sepulchre, and how his body was laid.
23:55	Name the country mentioned in Luke 23:55?	Galilee
23:56	How does this verse end: And they returned, and prepared spices ...?	and ointments; and rested the sabbath day according to the commandment.
24: 1	Finish this verse: Now upon the first day of the week, very early in the ...?	morning, they came unto the sepulchre, bringing the spices which they had prepared, and certain others with them.
24: 2	Finish this verse: And they found the ...?	stone rolled away from the sepulchre.
24: 3	Finish this verse: And they entered in, and ...?	found not the body of the Lord Jesus.
24: 4	Quote Luke 24:4?	And it came to pass, as they were much perplexed thereabout, behold, two men stood by them in shining garments
24: 4	How many men are spoken of in Luke 24:4?	Two men
24: 5	Quote Luke 24:5?	And as they were afraid, and bowed down their faces to the earth, they said unto them, Why seek ye the living among the dead?
24: 5	What was said unto them in Luke 24:5?	Why seek ye the living among the dead?
24: 6	Quote Luke 24:6?	He is not here, but is risen: remember how he spake unto you when he was yet in Galilee
24: 7	Quote Luke 24:7?	Saying, The Son of man must be delivered into the hands of sinful men, and be crucified, and the third day rise again.
24: 8	Finish this verse: And they remembered ...?	his words
24: 9	Finish this verse: And returned from the sepulchre, and told ...?	all these things unto the eleven, and to all the rest.
24:10	How does this verse end: It was Mary Magdalene, and Joanna, and Mary the mother ...?	of James, and other women that were with them, which told these things unto the apostles.
24:10	Name the persons mentioned in Luke 24:10?	Mary Magdalene, Joanna, Mary, James
24:11	How does this verse end: And their words seemed to ...?	them as idle tales, and they believed them not.
24:12	How does this verse end: Then arose Peter, and ran unto the sepulchre; and stooping down, he ...?	beheld the linen clothes laid by themselves, and departed, wondering in himself at that which was come to pass.
24:13	How does this verse end: And, behold, two of them went that same ...?	day to a village called Emmaus, which was from Jerusalem about threescore furlongs.
24:13	Name the places mentioned in Luke 24:13?	Emmaus, Jerusalem
24:14	What does Luke 24:14 say?	And they talked together of all these things which had happened.
24:15	What does Luke 24:15 say?	And it came to pass, that, while they communed together and reasoned, Jesus himself drew near, and went with them.
24:16	What does Luke 24:16 say?	But their eyes were holden that they should not know him.
24:17	What does Luke 24:17 say?	And he said unto them, What manner of communications are these that ye have one to another, as ye walk, and are sad?
24:18	How does this verse end: And the one of them, whose name was Cleopas, answering said unto ...?	him, Art thou only a stranger in Jerusalem, and hast not known the things which are come to pass there in these days?
24:19	How does this verse end: And he said unto them, What ...?	things? And they said unto him, Concerning Jesus of Nazareth, which was a prophet mighty in deed and word before God and all the people
24:19	Name the city mentioned in Luke 24:19?	Nazareth
24:20	What does Luke 24:20 say?	And how the chief priests and our rulers delivered him to be condemned to death, and have crucified him.
24:21	What does Luke 24:21 say?	But we trusted that it had been he which should have redeemed Israel: and beside all this, to day is the third day since these things were done.
24:22	What does Luke 24:22 say?	Yea, and certain women also of our company made us astonished, which were early at the sepulchre
24:23	What does Luke 24:23 say?	And when they found not his body, they came, saying, that they had also seen a vision of angels, which said that he was alive.
24:23	When they found not his body, what happened?	They came, saying, that they had also seen a vision of angels, which said that he was alive
24:24	How does this verse end: And certain of them which were with us went to ...?	the sepulchre, and found it even so as the women had said: but him they saw not.
24:25	How does this verse end: Then he said unto them, O fools ...?	and slow of heart to believe all that the prophets have spoken
24:25	To whom did Jesus say, "O fools, and slow of heart to believe ..."?	The women
24:25	What was said unto them in Luke 24:25?	O fools, and slow of heart to believe all that the prophets have spoken
24:26	How does this verse end: Ought not Christ to have ...?	suffered these things, and to enter into his glory?
24:27	How does this verse end: And beginning at Moses and all the prophets ...?	he expounded unto them in all the scriptures the things concerning himself.
24:28	What does Luke 24:28 say?	And they drew nigh unto the village, whither they went: and he made as though he would have gone further.
24:29	What does Luke 24:29 say?	But they constrained him, saying, Abide with us: for it is toward evening, and the day is far spent. And he went in to tarry with them.
24:30	How does this verse end: And it came to pass, as he sat at ...?	meat with them, he took bread, and blessed it, and brake, and gave to them.
24:31	How does this verse end: And their eyes were opened, and ...?	they knew him; and he vanished out of their sight.
24:32	How does this verse end: And they said one to another, Did not our heart burn ...?	within us, while he talked with us by the way, and while he opened to us the scriptures?
24:33	How does this verse end: And they rose up the same hour, and returned ...?	to Jerusalem, and found the eleven gathered together, and them that were with them
24:33	Name the city mentioned in Luke 24:33?	Jerusalem
24:34	What does Luke 24:34 say?	Saying, The Lord is risen indeed, and hath appeared to Simon.
24:35	What does Luke 24:35 say?	And they told what things were done in the way, and how he was known of them in breaking of bread.
24:36	What does Luke 24:36 say?	And as they thus spake, Jesus himself stood in the midst of them, and saith unto them, Peace be unto you.
24:37	What does Luke 24:37 say?	But they were terrified and affrighted, and supposed that they had seen a spirit.
24:38	How does this verse end: And he said unto them, Why ...?	are ye troubled? and why do thoughts arise in your hearts?
24:38	What was said unto them in Luke 24:38?	Why are ye troubled? and why do thoughts arise in your hearts?
24:39	How does this verse end: Behold my hands and my feet, that it is I myself ...?	handle me, and see; for a spirit hath not flesh and bones, as ye see me have.
24:40	What does Luke 24:40 say?	And when he had thus spoken, he shewed them his hands and his feet.
24:40	When he had thus spoken, what happened?	He shewed them his hands and his feet
24:41	What does Luke 24:41 say?	And while they yet believed not for joy, and wondered, he said unto them, Have ye here any meat?
24:42	What does Luke 24:42 say?	And they gave him a piece of a broiled fish, and of an honeycomb.
24:43	What does Luke 24:43 say?	And he took it, and did eat before them.
24:44	How does this verse end: And he said unto them, These are the words which I spake ...?	unto you, while I was yet with you, that all things must be fulfilled, which were written in the law of Moses, and in the prophets, and in the psalms ...
24:45	How does this verse end: Then opened he their ...?	understanding, that they might understand the scriptures
24:46	How does this verse end: And said unto them, Thus it is written, and ...?	thus it behoved Christ to suffer, and to rise from the dead the third day
24:47	How does this verse end: And that repentance and remission of sins ...?	should be preached in his name among all nations, beginning at Jerusalem.
24:48	What does Luke 24:48 say?	And ye are witnesses of these things.
24:49	What does Luke 24:49 say?	And, behold, I send the promise of my Father upon you: but tarry ye in the city of Jerusalem, until ye be endued with power from on high.
24:49	Name the city mentioned in Luke 24:49?	Jerusalem
24:50	How does this verse end: And he led them out as far ...?	as to Bethany, and he lifted up his hands, and blessed them.
24:51	How does this verse end: And it came to pass, while he ...?	blessed them, he was parted from them, and carried up into heaven.
24:52	How does this verse end: And they worshipped him ...?	and returned to Jerusalem with great joy
24:52	Name the city mentioned in Luke 24:52?	Jerusalem
24:53	How does this verse end: And were continually in ...?	the temple, praising and blessing God. Amen.
