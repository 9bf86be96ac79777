 1: 5	FN	finish this: If any of you lack wisdom, let him ask of ...?	God, that giveth to all men liberally, and upbraideth not; and it shall be given him.
 1: 6	FN	finish this: But let him ask in faith, nothing wavering. For he ...?	that wavereth is like a wave of the sea driven with the wind and tossed.
 1: 7	FN	finish this: For let not that man think ...?	that he shall receive any thing of the Lord.
 1:16	WH	to whom did James write, "Do not err, my beloved brethren ..."?	His beloved brethren
 2: 1	WH	to whom did James write, "My brethren, have not the faith of our ..."?	His brethren
 2: 8	FN	finish this: If ye fulfil the royal law according to ...?	the scripture, Thou shalt love thy neighbour as thyself, ye do well
 2: 9	FN	finish this: But if ye have respect to persons ...?	ye commit sin, and are convinced of the law as transgressors.
 2:14	WH	to whom did James write, "What doth it profit ..."?	His brethren
 2:15	FN	finish this: If a brother or ...?	sister be naked, and destitute of daily food
 2:23	FN	finish this: And the scripture was fulfilled which saith, Abraham believed God ...?	and it was imputed unto him for righteousness: and he was called the Friend of God.
 3: 4	FN	finish this: Behold also the ships, which though they be so great, and are ...?	driven of fierce winds, yet are they turned about with a very small helm, whithersoever the governor listeth.
 3: 5	FN	finish this: Even so the tongue is a little member ...?	and boasteth great things. Behold, how great a matter a little fire kindleth!
 3: 6	FN	finish this: And the tongue is a fire, a world of iniquity: so is ...?	the tongue among our members, that it defileth the whole body, and setteth on fire the course of nature; and it is set on fire of hell.
 3: 7	FN	finish this: For every kind of beasts, and of birds, and of ...?	serpents, and of things in the sea, is tamed, and hath been tamed of mankind
 3:11	FN	finish this: Doth a fountain send forth ...?	at the same place sweet water and bitter?
 3:12	WH	to whom did James write, "Can the fig tree ..."?	His brethren
 3:13	FN	finish this: Who is a wise man and endued with knowledge among ...?	you? let him shew out of a good conversation his works with meekness of wisdom.
 5: 4	FN	finish this: Behold, the hire of the labourers who have reaped down your fields ...?	which is of you kept back by fraud, crieth: and the cries of them which have reaped are entered into the ears of the Lord of sabaoth.
 5: 6	FN	finish this: Ye have condemned and killed ...?	the just; and he doth not resist you.
 5: 7	WH	to whom did James write, "Be patient therefore, brethren ..."?	The brethren
 5:10	WH	to whom did James write, "Take, my brethren, the prophets ..."?	His brethren
 5:11	FN	finish this: Behold, we count them happy which endure. Ye have heard of the ...?	patience of Job, and have seen the end of the Lord; that the Lord is very pitiful, and of tender mercy.
 5:12	WH	to whom did James write, "But above all things ..."?	His brethren
 5:13	FN	finish this: Is any among you ...?	afflicted? let him pray. Is any merry? let him sing psalms.
 5:19	WH	to whom did James write, "Brethren, if any of you do err from ..."?	The brethren
